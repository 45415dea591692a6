#include "app/uRoutine.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace zt {

void DelayMs(IUiThread& ui, int ms, const MonotonicNow& now) {
    using std::chrono::milliseconds;
    const auto deadline = now() + milliseconds(ms);
    bool cutShort = false;
    for (auto t = now(); t < deadline;) {
        const auto left = std::chrono::ceil<milliseconds>(deadline - t);
        ui.PumpFor(static_cast<int>(left.count()));
        const auto after = now();
        // A pump's own clock may step just after it starts, so one pump may give back
        // little of its time; only a quit makes two in a row do so. Waiting on then would
        // only spin.
        const bool shortPump = after - t < left / 2;
        if (shortPump && cutShort)
            return;
        cutShort = shortPump;
        t = after;
    }
}

void GetVersionInfo(IVersionInfo& info, const std::string& FileName, int Index,
                    std::string& Value) {
    const auto resource = info.Load(FileName);
    if (!resource)
        return;
    const auto translations = resource->Translations();
    if (translations.empty())
        throw std::runtime_error("情報の取得に失敗しました");
    char lang[16];
    std::snprintf(lang, sizeof lang, "%04X%04X", translations[0] & 0xFFFFu, translations[0] >> 16);
    const auto text = resource->QueryString("\\StringFileInfo\\" + std::string(lang) + "\\" +
                                            std::string(VersionInfoKeys.at(Index)));
    if (text && !text->empty())
        Value = *text;
}

bool EnumTextBoxProc(WindowHandle hwnd, TTextBoxSearch& context) {
    if (context.Windows.ClassName(hwnd) != PassTableClass ||
        context.Windows.ControlId(hwnd) != PassTableId)
        return true;
    if (auto text = context.Windows.AnsweredText(hwnd, PassTableMaxChars))
        context.Text = std::move(*text);
    else
        context.Unanswered = true;
    context.Found = true;
    return false;
}

} // namespace zt
