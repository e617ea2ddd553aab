// Start-up time and peak memory of the program against a minimal Qt Widgets
// program, both on the offscreen platform. Each run starts a program with the
// start-up probe on, times the line "shown" (the main window's first complete
// frame) from just before the start, waits for "entry-shown" (the same for the
// entry window), then ends the program and takes its peak resident memory from
// the kernel.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double startupMs;
    double peakMiB;
};

std::vector<char*> ProbeEnvironment(std::vector<std::string>& storage) {
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*e, "SELVARIS_STARTUP_PROBE=", 23) != 0)
            storage.emplace_back(*e);
    storage.emplace_back("QT_QPA_PLATFORM=offscreen");
    storage.emplace_back("SELVARIS_STARTUP_PROBE=entry");
    std::vector<char*> pointers;
    for (std::string& s : storage) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads lines from fd until one equals wanted; false on end of output or after 30 s.
bool WaitForLine(int fd, const std::string& wanted, std::string& pending) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
    for (;;) {
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line == wanted) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) return false;
        char buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return false;
        pending.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<Sample> RunOnce(const std::string& program) {
    int out[2];
    if (::pipe(out) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> storage;
    std::vector<char*> environment = ProbeEnvironment(storage);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return std::nullopt;
    }
    std::string pending;
    const bool shown = WaitForLine(out[0], "shown", pending);
    const double startupMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const bool entryShown = shown && WaitForLine(out[0], "entry-shown", pending);
    ::kill(child, SIGKILL);
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!entryShown) return std::nullopt;
    return Sample{startupMs, usage.ru_maxrss / 1024.0};  // ru_maxrss is in KiB
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    double startupMs;
    double peakMiB;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program> <baseline program> [runs] [captions-only program]\n", argv[0]);
        return 2;
    }
    // The third program, when given, shows the program's captions and nothing
    // else: how much of the gap any window showing those captions has to pay.
    std::vector<std::string> programs = {argv[1], argv[2]};
    if (argc > 4) programs.emplace_back(argv[4]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;

    std::vector<std::vector<double>> startup(programs.size()), peak(programs.size());
    for (int run = -1; run < runs; ++run) {  // run -1 warms the file cache and is not counted
        for (std::size_t which = 0; which < programs.size(); ++which) {
            const std::optional<Sample> sample = RunOnce(programs[which]);
            if (!sample) {
                std::fprintf(stderr, "startup bench: %s did not report its windows\n", programs[which].c_str());
                return 1;
            }
            if (run < 0) continue;
            startup[which].push_back(sample->startupMs);
            peak[which].push_back(sample->peakMiB);
        }
    }
    std::vector<Figures> figures;
    for (std::size_t which = 0; which < programs.size(); ++which)
        figures.push_back({Median(startup[which]), Median(peak[which])});
    const Figures& program = figures[0];
    const Figures& baseline = figures[1];
    const double startupRatio = program.startupMs / baseline.startupMs;
    const double peakRatio = program.peakMiB / baseline.peakMiB;
    const char* const names[] = {"selvaris", "Qt Widgets baseline", "its captions alone"};
    std::printf("\nStart-up on the offscreen platform, median of %d runs each\n", runs);
    std::printf("  %-22s %18s   %30s\n", "", "main window shown", "peak memory, entry window open");
    for (std::size_t which = 0; which < figures.size(); ++which)
        std::printf("  %-22s %15.1f ms   %26.1f MiB\n", names[which], figures[which].startupMs, figures[which].peakMiB);
    std::printf("  %-22s %16.2f x   %28.2f x\n", "ratio", startupRatio, peakRatio);
    std::printf("  %-22s %18s   %30s\n", "goal", startupRatio <= 1.15 ? "<= 1.15 x, met" : "<= 1.15 x, NOT met",
                peakRatio <= 1.3 ? "<= 1.3 x, met" : "<= 1.3 x, NOT met");
    if (figures.size() > 2) {
        const Figures& captions = figures[2];
        std::printf("  captions alone against the baseline: %.2f x (the least any window showing them reaches)\n",
                    captions.startupMs / baseline.startupMs);
        std::printf("  selvaris against its captions alone: %.2f x\n", program.startupMs / captions.startupMs);
    }
    return 0;
}
