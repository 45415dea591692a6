#include "platform/win32/Win32Locale.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {

namespace {

// Keeps the fallback when the system has no answer, so a value is never empty.
void Read(LCTYPE item, std::string& value) {
    wchar_t buffer[LOCALE_NAME_MAX_LENGTH * 2];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer,
                                  static_cast<int>(std::size(buffer)));
    if (n > 1)
        value = ToUtf8(std::wstring_view(buffer, static_cast<size_t>(n - 1)));
}

} // namespace

LocaleFormats ReadUserLocaleFormats() {
    LocaleFormats formats;
    Read(LOCALE_SDECIMAL, formats.DecimalSeparator);
    Read(LOCALE_SDATE, formats.DateSeparator);
    Read(LOCALE_STIME, formats.TimeSeparator);
    Read(LOCALE_SSHORTDATE, formats.ShortDateFormat);
    Read(LOCALE_STIMEFORMAT, formats.LongTimeFormat);
    Read(LOCALE_S1159, formats.TimeAMString);
    Read(LOCALE_S2359, formats.TimePMString);
    formats.DateOrder = DateOrderOf(formats.ShortDateFormat);
    return formats;
}

} // namespace zt
