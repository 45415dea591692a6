// The program itself over its pty: replies on the wire, their timing, motion, the log.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

int RunToExit(std::vector<std::string> args) {
    args.insert(args.begin(), GS232SIM_PATH);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    EXPECT_EQ(posix_spawn(&pid, GS232SIM_PATH, &quiet, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A running simulator on a pty linked into a temporary folder, and our end of that line.
class Simulator {
public:
    explicit Simulator(std::vector<std::string> extra) {
        dir = fs::temp_directory_path() / ("gs232sim-" + std::to_string(getpid()));
        fs::create_directories(dir);
        link = (dir / "com5").string();
        log = (dir / "log.jsonl").string();
        std::vector<std::string> args = {GS232SIM_PATH, "--link", link, "--log", log};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn(&pid, GS232SIM_PATH, &quiet, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&quiet);
        for (int i = 0; i < 100 && !fs::is_symlink(link); ++i)
            std::this_thread::sleep_for(20ms);
        fd = open(link.c_str(), O_RDWR | O_NOCTTY);
    }
    ~Simulator() {
        if (fd >= 0)
            close(fd);
        Stop();
        fs::remove_all(dir);
    }
    int Stop() {
        int status = -1;
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, &status, 0);
            pid = 0;
        }
        return status;
    }
    void Send(const std::string& text) {
        ASSERT_EQ(write(fd, text.data(), text.size()), ssize_t(text.size()));
    }
    // Collects bytes until none arrive for quiet, or the limit passes.
    std::string Receive(std::chrono::milliseconds quiet = 300ms) {
        std::string got;
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(quiet.count())) <= 0)
                return got;
            char buf[64];
            const ssize_t n = read(fd, buf, sizeof buf);
            if (n <= 0)
                return got;
            got.append(buf, static_cast<size_t>(n));
        }
    }
    // Time until the first reply byte arrives (or the limit).
    Clock::duration FirstByteAfter(const std::string& command) {
        const auto start = Clock::now();
        Send(command);
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 3000);
        return Clock::now() - start;
    }
    fs::path dir;
    std::string link, log;
    pid_t pid = 0;
    int fd = -1;
};

TEST(Program, HelpAndBadOptions) {
    EXPECT_EQ(RunToExit({"--help"}), 0);
    EXPECT_EQ(RunToExit({"--link"}), 2);
    EXPECT_EQ(RunToExit({"--device", "/nonexistent/tty"}), 1);
}

TEST(Program, AnswersWithinItsDelayMovesAndLogs) {
    Simulator sim({"--reply-delay", "150", "--time-scale", "10", "--start-az", "10"});
    ASSERT_GE(sim.fd, 0);
    const auto delay = sim.FirstByteAfter("C2\r");
    EXPECT_GE(delay, 150ms);
    EXPECT_LT(delay, 400ms);
    EXPECT_EQ(sim.Receive(), "+0010+0000\r\n");

    // 90 degrees at 6 deg/s is 15 s of rotator time: 1.5 s at ten times the wall clock.
    sim.Send("W100 030\r");
    std::this_thread::sleep_for(750ms);
    sim.Send("C2\r");
    const std::string half = sim.Receive();
    ASSERT_EQ(half.size(), 12u) << half;
    const int azHalf = std::stoi(half.substr(2, 3));
    EXPECT_GT(azHalf, 40);
    EXPECT_LT(azHalf, 80);
    std::this_thread::sleep_for(1200ms);
    sim.Send("C2\r");
    EXPECT_EQ(sim.Receive(), "+0100+0030\r\n");
    sim.Send("C\r");
    EXPECT_EQ(sim.Receive(), "+0100\r\n");

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(fs::exists(sim.link)) << "the link is removed on exit";
    std::ifstream log(sim.log);
    std::vector<std::string> lines;
    for (std::string l; std::getline(log, l);)
        lines.push_back(l);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[1].find("\"cmd\":\"W100 030\""), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\"az_target\":100.00"), std::string::npos) << lines[1];
}

TEST(Program, AnswersInTheBStyleWhenAsked) {
    Simulator sim({"--reply-style", "b", "--reply-delay", "0", "--start-az", "270"});
    ASSERT_GE(sim.fd, 0);
    sim.Send("C2\r");
    EXPECT_EQ(sim.Receive(), "AZ=270  EL=000\r\n");
    sim.Send("C\r");
    EXPECT_EQ(sim.Receive(), "AZ=270\r\n");
}

TEST(Program, SilentAfterNCommandsAndNoEcho) {
    Simulator sim({"--silent-after", "2", "--reply-delay", "0"});
    ASSERT_GE(sim.fd, 0);
    sim.Send("S\r");
    EXPECT_EQ(sim.Receive(), "") << "commands are not echoed";
    sim.Send("C2\r");
    EXPECT_EQ(sim.Receive(), "+0000+0000\r\n");
    sim.Send("C2\r");
    EXPECT_EQ(sim.Receive(), "");
}

} // namespace
