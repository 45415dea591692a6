#pragma once

namespace zt {

enum class ModalResult { None = 0, Ok = 1, Cancel = 2 };

} // namespace zt
