#pragma once

namespace zt {

// A mutex shared by name between processes, released when the object goes.
class INamedMutex {
public:
    virtual ~INamedMutex() = default;
    // Without waiting: false while another process holds it.
    virtual bool TryAcquire() = 0;
};

} // namespace zt
