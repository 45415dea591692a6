#pragma once

#include "platform/LocaleFormats.h"

namespace zt {

// The user's number, date and time formats as the operating system reports them now.
LocaleFormats ReadUserLocaleFormats();

} // namespace zt
