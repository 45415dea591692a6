#include "Options.h"

#include <charconv>
#include <stdexcept>

namespace zt::gs232sim {
namespace {

template <typename T> T Number(const std::string& option, const std::string& text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument(option + ": not a number: '" + text + "'");
    return value;
}

template <typename T> T InRange(const std::string& option, T value, T low, T high) {
    if (value < low || value > high)
        throw std::invalid_argument(option + ": out of range");
    return value;
}

} // namespace

std::string Usage() {
    return R"(Usage: gs232sim (--link PATH | --device PATH) [options]

Simulates a GS-232 az/el rotator controller on a serial line.

Line:
  --link PATH          create a pseudo-terminal and make PATH a symlink to it, e.g.
                       $WINEPREFIX/dosdevices/com5 (removed again on exit)
  --device PATH        use an existing serial device or pty end instead
Rotator:
  --az-travel 450|360  azimuth travel in degrees (default 450)
  --az-rate DEG        azimuth rate at speed X4, degrees/s (default 6; X1..X3 are 1/4..3/4)
  --el-rate DEG        elevation rate, degrees/s (default 3)
  --start-az DEG       starting azimuth (default 0)
  --start-el DEG       starting elevation (default 0)
  --speed 1..4         speed before any X command (default 4)
  --time-scale K       run the mechanics K times faster than the wall clock (default 1)
  --reply-style a|b    position replies of a GS-232A (default) or of a GS-232B
Faults:
  --reply-delay MS     answer position queries after MS milliseconds (default 20)
  --no-reply           never answer position queries
  --garbage            answer with noise of the right length
  --short-reply N      drop the last N bytes of every answer
  --silent-after N     ignore everything after the first N commands
Output:
  --log FILE           append one JSON line per command received ("-": standard output)
  --no-status          no live status line on the terminal
  --help               show this text

Commands: S A E L R U D C C2 B X1..X4 Waaa eee Maaa, each ending with CR; no echo.
Replies, style a: C2 -> +0aaa+0eee, C -> +0aaa, B -> +0eee, each ending with CR LF.
Replies, style b: C2 -> AZ=aaa  EL=eee, C -> AZ=aaa, B -> EL=eee, each ending with CR LF.
The line in use is announced on standard error once it is ready.
)";
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::invalid_argument(a + ": missing value");
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.Help = true;
        } else if (a == "--link") {
            o.Link = value();
        } else if (a == "--device") {
            o.Device = value();
        } else if (a == "--az-travel") {
            const int travel = Number<int>(a, value());
            if (travel != 450 && travel != 360)
                throw std::invalid_argument(a + ": must be 450 or 360");
            o.Mechanics.AzTravel = travel;
        } else if (a == "--az-rate") {
            o.Mechanics.AzTopRate = InRange(a, Number<double>(a, value()), 0.01, 360.0);
        } else if (a == "--el-rate") {
            o.Mechanics.ElRate = InRange(a, Number<double>(a, value()), 0.01, 360.0);
        } else if (a == "--start-az") {
            o.StartAz = InRange(a, Number<double>(a, value()), 0.0, 450.0);
        } else if (a == "--start-el") {
            o.StartEl = InRange(a, Number<double>(a, value()), 0.0, 180.0);
        } else if (a == "--speed") {
            o.Speed = InRange(a, Number<int>(a, value()), 1, 4);
        } else if (a == "--time-scale") {
            o.TimeScale = InRange(a, Number<double>(a, value()), 0.001, 1000.0);
        } else if (a == "--reply-style") {
            const std::string style = value();
            if (style != "a" && style != "b")
                throw std::invalid_argument(a + ": must be a or b");
            o.Style = style == "a" ? ReplyStyle::A : ReplyStyle::B;
        } else if (a == "--reply-delay") {
            o.Faults.ReplyDelayMs = InRange(a, Number<int>(a, value()), 0, 600000);
        } else if (a == "--no-reply") {
            o.Faults.NoReply = true;
        } else if (a == "--garbage") {
            o.Faults.Garbage = true;
        } else if (a == "--short-reply") {
            o.Faults.ShortBy = InRange(a, Number<int>(a, value()), 1, 64);
        } else if (a == "--silent-after") {
            o.Faults.SilentAfter = InRange(a, Number<int>(a, value()), 0, 1 << 30);
        } else if (a == "--log") {
            o.LogPath = value();
        } else if (a == "--no-status") {
            o.Status = false;
        } else {
            throw std::invalid_argument("unknown option: " + a);
        }
    }
    if (!o.Help && o.Link.empty() == o.Device.empty())
        throw std::invalid_argument("give exactly one of --link and --device");
    if (o.StartAz > o.Mechanics.AzTravel)
        throw std::invalid_argument("--start-az: beyond the azimuth travel");
    return o;
}

} // namespace zt::gs232sim
