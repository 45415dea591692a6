// tty-fault: preloaded into a process (LD_PRELOAD), it makes that process's calls on one
// serial device fail with EIO while a trigger file exists, as a pulled USB adapter's do.
//
//   ZT_TTY_FAULT_DEVICE   the device, or a symlink to it (its last target is remembered)
//   ZT_TTY_FAULT_TRIGGER  while this file exists, every call on the device fails
//   ZT_TTY_FAULT_LOG      optional: one line per descriptor that was made to fail, one
//                         per write refused on the device (with its bytes), and one when
//                         a failed descriptor is closed
//
// A descriptor that failed once stays failed until it is closed, as a removed device's
// handle stays dead on Windows after the adapter is plugged back: only a new open works.
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int MaxFd = 65536;
std::atomic<bool> Dead[MaxFd];
std::atomic<dev_t> Device{0};

template <typename F> F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// One line to the log, if there is one: open/write, not stdio, since this may run in any
// of the host's threads.
void Log(const char* line, int length) {
    const char* path = std::getenv("ZT_TTY_FAULT_LOG");
    if (!path || length <= 0)
        return;
    const int log = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (log < 0)
        return;
    static const auto real_write = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (real_write(log, line, static_cast<size_t>(length)) < 0) {
        // nothing to do: the log is only a help
    }
    close(log);
}

void Note(int fd, const char* call) {
    char line[128];
    Log(line, std::snprintf(line, sizeof line, "pid %d fd %d pulled at %s\n",
                            static_cast<int>(getpid()), fd, call));
}

// What a program tried to send on the pulled line: printable bytes as they are, others as
// \xHH; shows, say, that it tried to park.
void NoteWrite(int fd, const void* buf, size_t count) {
    char line[256];
    int n = std::snprintf(line, sizeof line, "pid %d fd %d write ", static_cast<int>(getpid()), fd);
    const auto* bytes = static_cast<const unsigned char*>(buf);
    for (size_t i = 0; i < count && n < static_cast<int>(sizeof line) - 6; ++i)
        n += bytes[i] >= 0x20 && bytes[i] < 0x7f && bytes[i] != '\\'
                 ? std::snprintf(line + n, sizeof line - n, "%c", bytes[i])
                 : std::snprintf(line + n, sizeof line - n, "\\x%02x", bytes[i]);
    line[n++] = '\n';
    Log(line, n);
}

bool IsTheDevice(int fd) {
    const char* device = std::getenv("ZT_TTY_FAULT_DEVICE");
    if (!device)
        return false;
    struct stat st {};
    if (stat(device, &st) == 0 && S_ISCHR(st.st_mode))
        Device = st.st_rdev;
    struct stat mine {};
    return Device != 0 && fstat(fd, &mine) == 0 && S_ISCHR(mine.st_mode) && mine.st_rdev == Device;
}

bool Pulled() {
    const char* trigger = std::getenv("ZT_TTY_FAULT_TRIGGER");
    return trigger && access(trigger, F_OK) == 0;
}

// True (errno EIO) when the call must fail.
bool Fails(int fd, const char* call) {
    if (fd < 0 || fd >= MaxFd)
        return false;
    if (!Dead[fd] && Pulled() && IsTheDevice(fd)) {
        Dead[fd] = true;
        Note(fd, call);
    }
    if (!Dead[fd])
        return false;
    errno = EIO;
    return true;
}

} // namespace

extern "C" {

ssize_t read(int fd, void* buf, size_t count) {
    static const auto real = Next<ssize_t (*)(int, void*, size_t)>("read");
    return Fails(fd, "read") ? -1 : real(fd, buf, count);
}

ssize_t write(int fd, const void* buf, size_t count) {
    static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (!Fails(fd, "write"))
        return real(fd, buf, count);
    NoteWrite(fd, buf, count);
    return -1;
}

ssize_t readv(int fd, const iovec* iov, int count) {
    static const auto real = Next<ssize_t (*)(int, const iovec*, int)>("readv");
    return Fails(fd, "readv") ? -1 : real(fd, iov, count);
}

ssize_t writev(int fd, const iovec* iov, int count) {
    static const auto real = Next<ssize_t (*)(int, const iovec*, int)>("writev");
    return Fails(fd, "writev") ? -1 : real(fd, iov, count);
}

int ioctl(int fd, unsigned long request, ...) {
    static const auto real = Next<int (*)(int, unsigned long, void*)>("ioctl");
    va_list ap;
    va_start(ap, request);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    return Fails(fd, "ioctl") ? -1 : real(fd, request, arg);
}

int tcgetattr(int fd, termios* t) {
    static const auto real = Next<int (*)(int, termios*)>("tcgetattr");
    return Fails(fd, "tcgetattr") ? -1 : real(fd, t);
}

int tcsetattr(int fd, int when, const termios* t) {
    static const auto real = Next<int (*)(int, int, const termios*)>("tcsetattr");
    return Fails(fd, "tcsetattr") ? -1 : real(fd, when, t);
}

int tcflush(int fd, int queue) {
    static const auto real = Next<int (*)(int, int)>("tcflush");
    return Fails(fd, "tcflush") ? -1 : real(fd, queue);
}

int tcdrain(int fd) {
    static const auto real = Next<int (*)(int)>("tcdrain");
    return Fails(fd, "tcdrain") ? -1 : real(fd);
}

int tcflow(int fd, int action) {
    static const auto real = Next<int (*)(int, int)>("tcflow");
    return Fails(fd, "tcflow") ? -1 : real(fd, action);
}

int dup2(int fd, int to) {
    static const auto real = Next<int (*)(int, int)>("dup2");
    const int got = real(fd, to);
    if (got >= 0 && got < MaxFd)
        Dead[got] = false;
    return got;
}

int close(int fd) {
    static const auto real = Next<int (*)(int)>("close");
    if (fd >= 0 && fd < MaxFd && Dead[fd].exchange(false)) {
        char line[64];
        Log(line, std::snprintf(line, sizeof line, "pid %d fd %d closed\n",
                                static_cast<int>(getpid()), fd));
    }
    return real(fd);
}

} // extern "C"
