#pragma once

namespace zt {

// Raises a flag for as long as the object lives, also when an error passes through.
class TScopedFlag {
public:
    explicit TScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~TScopedFlag() { flag_ = false; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& flag_;
};

} // namespace zt
