#include "SerialLine.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace zt::gs232sim {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

void MakeRaw(int fd, const std::string& name) {
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        Fail("tcgetattr " + name);
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(fd, TCSANOW, &t) != 0)
        Fail("tcsetattr " + name);
}

pid_t RelayTarget = 0;

void Relay(int sig) {
    if (RelayTarget > 0)
        kill(RelayTarget, sig);
}

} // namespace

void BecomeSessionLeader() {
    if (getpgrp() != getpid())
        return;
    const pid_t child = fork();
    if (child < 0)
        Fail("fork");
    if (child == 0)
        return;
    RelayTarget = child;
    struct sigaction sa {};
    sa.sa_handler = Relay;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    std::exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}

SerialLine SerialLine::CreatePty(const std::string& link) {
    SerialLine line;
    line.FFd = posix_openpt(O_RDWR | O_NOCTTY);
    if (line.FFd < 0 || grantpt(line.FFd) != 0 || unlockpt(line.FFd) != 0)
        Fail("pty");
    line.FName = ptsname(line.FFd);
    if (setsid() < 0 && getsid(0) != getpid())
        Fail("setsid");
    line.FHeldFd = open(line.FName.c_str(), O_RDWR | O_NOCTTY);
    if (line.FHeldFd < 0)
        Fail("open " + line.FName);
    if (ioctl(line.FHeldFd, TIOCSCTTY, 0) != 0)
        Fail("TIOCSCTTY " + line.FName);
    MakeRaw(line.FHeldFd, line.FName);
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode))
            throw std::runtime_error(link + " exists and is not a symlink");
        unlink(link.c_str());
    }
    if (symlink(line.FName.c_str(), link.c_str()) != 0)
        Fail("symlink " + link);
    line.FLink = link;
    return line;
}

SerialLine SerialLine::OpenDevice(const std::string& path) {
    SerialLine line;
    line.FFd = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (line.FFd < 0)
        Fail("open " + path);
    line.FName = path;
    MakeRaw(line.FFd, path);
    return line;
}

SerialLine::SerialLine(SerialLine&& other) noexcept
    : FFd(other.FFd), FHeldFd(other.FHeldFd), FName(std::move(other.FName)),
      FLink(std::move(other.FLink)) {
    other.FFd = other.FHeldFd = -1;
    other.FLink.clear();
}

SerialLine::~SerialLine() {
    if (!FLink.empty()) {
        char target[256];
        const ssize_t n = readlink(FLink.c_str(), target, sizeof target - 1);
        // Someone may have re-pointed the link at another pty meanwhile: leave theirs alone.
        if (n > 0 && std::string(target, static_cast<size_t>(n)) == FName)
            unlink(FLink.c_str());
    }
    if (FHeldFd >= 0)
        close(FHeldFd);
    if (FFd >= 0)
        close(FFd);
}

} // namespace zt::gs232sim
