// gs232sim: a GS-232 rotator controller on a pty, for trying and testing without hardware.
#include "LineSplitter.h"
#include "Options.h"
#include "RotatorModel.h"
#include "SerialLine.h"
#include "Session.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

using namespace zt::gs232sim;
using Clock = std::chrono::steady_clock;

namespace {

volatile std::sig_atomic_t Quit = 0;
void OnQuit(int) {
    Quit = 1;
}

struct PendingReply {
    Clock::time_point Due;
    std::string Bytes;
};

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void ShowStatus(const RotatorModel& r, const Session& s, const std::string& last) {
    std::fprintf(stderr, "\r\033[Kaz %6.1f el %5.1f -> %5.1f/%5.1f  X%d  %d commands  last: %.12s",
                 r.Az().Position(), r.El().Position(), r.Az().Target(), r.El().Target(), r.Speed(),
                 s.Count(), last.c_str());
    std::fflush(stderr);
}

int Run(const Options& o) {
    if (!o.Link.empty())
        BecomeSessionLeader();
    SerialLine line =
        o.Link.empty() ? SerialLine::OpenDevice(o.Device) : SerialLine::CreatePty(o.Link);
    std::fprintf(stderr, "gs232sim: listening on %s%s%s\n", line.Name().c_str(),
                 o.Link.empty() ? "" : " via ", o.Link.c_str());

    FILE* log = nullptr;
    if (o.LogPath == "-")
        log = stdout;
    else if (!o.LogPath.empty() && !(log = std::fopen(o.LogPath.c_str(), "a")))
        throw std::runtime_error("cannot open log " + o.LogPath);

    RotatorModel rotator(o.Mechanics, o.StartAz, o.StartEl);
    rotator.SetSpeed(o.Speed);
    Session session(rotator, o.Faults, o.Style);
    LineSplitter splitter;
    std::deque<PendingReply> replies;
    const bool status = o.Status && isatty(STDERR_FILENO);
    std::string last;
    const auto start = Clock::now();
    auto advanced = start;
    auto shown = start;

    while (!Quit) {
        auto wait = std::chrono::milliseconds(50);
        if (!replies.empty())
            wait = std::min(wait, std::chrono::duration_cast<std::chrono::milliseconds>(
                                      replies.front().Due - Clock::now()));
        pollfd p{line.Fd(), POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::max<long>(0, wait.count())));
        if (ready < 0 && errno != EINTR)
            throw std::runtime_error("poll failed");
        const auto now = Clock::now();
        rotator.Advance(Seconds(now - advanced) * o.TimeScale);
        advanced = now;
        if (ready > 0 && (p.revents & POLLIN)) {
            char buf[256];
            const ssize_t n = read(line.Fd(), buf, sizeof buf);
            if (n <= 0 && errno != EINTR && errno != EAGAIN)
                throw std::runtime_error("the line was closed");
            for (const std::string& cmd :
                 splitter.Feed({buf, static_cast<size_t>(std::max<ssize_t>(n, 0))})) {
                const Handled h = session.Handle(cmd);
                last = cmd;
                if (log) {
                    std::fprintf(log, "%s\n", JsonLine(Seconds(now - start), h, rotator).c_str());
                    std::fflush(log);
                }
                if (h.Reply)
                    replies.push_back(
                        {now + std::chrono::milliseconds(session.DelayMs()), *h.Reply});
            }
        } else if (ready > 0 && (p.revents & (POLLHUP | POLLERR)) && o.Link.empty()) {
            throw std::runtime_error("the line hung up");
        }
        while (!replies.empty() && replies.front().Due <= Clock::now()) {
            const std::string& bytes = replies.front().Bytes;
            if (write(line.Fd(), bytes.data(), bytes.size()) < 0 && errno != EINTR)
                throw std::runtime_error("write failed");
            replies.pop_front();
        }
        if (status && now - shown >= std::chrono::milliseconds(200)) {
            ShowStatus(rotator, session, last);
            shown = now;
        }
    }
    if (status)
        std::fputc('\n', stderr);
    if (log && log != stdout)
        std::fclose(log);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    try {
        o = ParseOptions({argv + 1, argv + argc});
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "gs232sim: %s (see --help)\n", e.what());
        return 2;
    }
    if (o.Help) {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    struct sigaction sa {};
    sa.sa_handler = OnQuit;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    try {
        return Run(o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "\ngs232sim: %s\n", e.what());
        return 1;
    }
}
