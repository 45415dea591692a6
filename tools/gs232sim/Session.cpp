#include "Session.h"

#include <cstdio>

namespace zt::gs232sim {

Session::Session(RotatorModel& rotator, const FaultSwitches& faults, ReplyStyle style)
    : FRotator(rotator), FFaults(faults), FStyle(style) {}

Handled Session::Handle(const std::string& command) {
    Handled h;
    h.Command = command;
    ++FCount;
    if (FFaults.SilentAfter >= 0 && FCount > FFaults.SilentAfter) {
        h.Ignored = true;
        return h;
    }
    CommandResult result = Execute(command, FRotator, FStyle);
    h.Known = result.Known;
    if (!result.Reply.empty() && !FFaults.NoReply)
        h.Reply = Shape(std::move(result.Reply));
    return h;
}

std::string Session::Shape(std::string reply) const {
    if (FFaults.Garbage) {
        static constexpr char noise[] = "#?*%&!=~";
        for (size_t i = 0; i + 2 < reply.size(); ++i)
            reply[i] = noise[i % (sizeof noise - 1)];
    }
    const size_t cut = FFaults.ShortBy > 0 ? static_cast<size_t>(FFaults.ShortBy) : 0;
    reply.resize(cut < reply.size() ? reply.size() - cut : 0);
    return reply;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonLine(double seconds, const Handled& handled, const RotatorModel& rotator) {
    char head[64];
    std::snprintf(head, sizeof head, "{\"t\":%.6f,\"cmd\":", seconds);
    char state[256];
    std::snprintf(state, sizeof state,
                  ",\"known\":%s,\"ignored\":%s,\"az\":%.2f,\"el\":%.2f,\"az_target\":%.2f,"
                  "\"el_target\":%.2f,\"speed\":%d,\"reply\":",
                  handled.Known ? "true" : "false", handled.Ignored ? "true" : "false",
                  rotator.Az().Position(), rotator.El().Position(), rotator.Az().Target(),
                  rotator.El().Target(), rotator.Speed());
    return head + JsonString(handled.Command) + state +
           (handled.Reply ? JsonString(*handled.Reply) : std::string("null")) + "}";
}

} // namespace zt::gs232sim
