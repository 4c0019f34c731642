// Start-up of the real program against a bare Qt program with the same
// maximised main window and menu bar: process start to the main window's first
// frame, and to the help window's, with the peak resident memory at the last
// of them.  Both run as real processes, interleaved, on whatever display the
// environment names (the bench script uses Xvfb with a window manager).

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int TimeoutMs = 30000;

long long NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct TMoment {
    double Ms;
    double PeakMiB;
};

// Starts Program, reads its report lines until it ends, and gives each moment
// it names as milliseconds since just before the start.
std::map<std::string, TMoment> Run(const std::string &program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    std::vector<char *> environment;
    for (char **entry = environ; *entry; ++entry)
        environment.push_back(*entry);
    std::string hook = "RXLINE_BENCH_STARTUP=1";
    environment.push_back(hook.data());
    environment.push_back(nullptr);
    std::string path = program;
    char *arguments[] = {path.data(), nullptr};

    pid_t child = 0;
    const long long start = NowNs();
    const int failed = posix_spawn(&child, path.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::map<std::string, TMoment> moments;
    if (failed) {
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(failed));
        close(pipeEnds[0]);
        return moments;
    }

    std::string output;
    char buffer[512];
    pollfd watch{pipeEnds[0], POLLIN, 0};
    for (;;) {
        const int ready = poll(&watch, 1, TimeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            std::fprintf(stderr, "%s did not report in time\n", path.c_str());
            kill(child, SIGKILL);
            break;
        }
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, size_t(got));
    }
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);

    char name[64];
    long long at = 0;
    long peakKib = 0;
    for (const char *line = output.c_str(); *line;) {
        if (std::sscanf(line, "%63s %lld %ld", name, &at, &peakKib) == 3)
            moments[name] = {double(at - start) / 1e6, double(peakKib) / 1024.0};
        const char *end = std::strchr(line, '\n');
        if (!end)
            break;
        line = end + 1;
    }
    return moments;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string OwnFolder()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    std::string folder(path, size_t(length));
    return folder.substr(0, folder.rfind('/'));
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string folder = OwnFolder();
    const std::string bare = folder + "/bare_mainwindow";
    const std::string program = folder + "/rxline-setup";
    // The help window's timer is deliberate; it is taken out of the figure.
    const double helpTimerMs = 100;

    // One unmeasured run of each brings the libraries into the page cache.
    Run(bare);
    Run(program);

    std::vector<double> bareFirst, bareBytes, ourFirst, ourHelp, ourBytes;
    for (int i = 0; i < runs; ++i) {
        for (int side = 0; side < 2; ++side) {
            // Alternate which side goes first, so neither always follows the other.
            if ((side == 0) == (i % 2 == 0)) {
                auto moments = Run(bare);
                if (moments.count("first-paint")) {
                    bareFirst.push_back(moments["first-paint"].Ms);
                    bareBytes.push_back(moments["first-paint"].PeakMiB);
                }
            } else {
                auto moments = Run(program);
                if (moments.count("first-paint") && moments.count("help-shown")) {
                    ourFirst.push_back(moments["first-paint"].Ms);
                    ourHelp.push_back(moments["help-shown"].Ms);
                    ourBytes.push_back(moments["help-shown"].PeakMiB);
                }
            }
        }
    }
    if (bareFirst.empty() || ourFirst.empty()) {
        std::fprintf(stderr, "no complete runs\n");
        return 1;
    }

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const char *display = std::getenv("DISPLAY");
    std::string where = platform ? platform : "default platform";
    if (!platform && display)
        where = std::string("xcb on display ") + display;
    std::printf("%s, %zu + %zu runs interleaved, medians\n", where.c_str(), bareFirst.size(), ourFirst.size());
    const double bareMs = Median(bareFirst);
    const double firstMs = Median(ourFirst);
    const double helpMs = Median(ourHelp);
    std::printf("%-44s %9.1f ms\n", "bare Qt program: first paint", bareMs);
    std::printf("%-44s %9.1f ms  ratio %.2f\n", "program: main window first paint", firstMs, firstMs / bareMs);
    std::printf("%-44s %9.1f ms  ratio %.2f (%.1f ms less the %.0f ms timer)\n",
                "program: help window shown", helpMs, (helpMs - helpTimerMs) / bareMs,
                helpMs - helpTimerMs, helpTimerMs);
    std::vector<double> firstToHelp;
    for (size_t i = 0; i < ourFirst.size(); ++i)
        firstToHelp.push_back(ourHelp[i] - ourFirst[i]);
    std::printf("%-44s %9.1f ms  (support windows built, %.0f ms timer, help painted)\n",
                "program: first paint to help window", Median(firstToHelp), helpTimerMs);
    const double bareMiB = Median(bareBytes);
    const double ourMiB = Median(ourBytes);
    std::printf("%-44s %9.1f MiB\n", "bare Qt program: peak RSS at first paint", bareMiB);
    std::printf("%-44s %9.1f MiB  %+.1f MiB\n", "program: peak RSS at help window", ourMiB, ourMiB - bareMiB);
    return 0;
}
