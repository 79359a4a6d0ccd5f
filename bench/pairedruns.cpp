// Runs two commands in turn, A then B, RUNS times each (after one unmeasured run of
// each), and prints the medians of each one's wall-clock and CPU time (user + system,
// its own and that of the processes it waited for), then the medians of the ratios A/B
// of each pair of runs:
//   pairedruns [--preload LIB] RUNS -- A ARGS... -- B ARGS...
//   -> "a_wall_ms a_cpu_ms b_wall_ms b_cpu_ms wall_ratio cpu_ratio"
// --preload puts LIB into LD_PRELOAD of the two commands, not of this program. Their
// output goes to /dev/null; a command that fails stops the run with its status.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Times {
    double wallMs;
    double cpuMs;
};

double Milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

Times Run(const std::vector<char*>& command, const std::vector<char*>& environment) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int error =
        posix_spawnp(&child, command[0], &actions, nullptr, command.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "pairedruns: cannot start %s: %s\n", command[0], std::strerror(error));
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "pairedruns: %s failed (status %d)\n", command[0], status);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(wall).count(),
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int at = 1;
    std::string preload;
    if (at + 1 < argc && std::strcmp(argv[at], "--preload") == 0) {
        preload = std::string("LD_PRELOAD=") + argv[at + 1];
        at += 2;
    }
    if (at + 2 >= argc || std::strcmp(argv[at + 1], "--") != 0) {
        std::fprintf(stderr, "usage: pairedruns [--preload LIB] RUNS -- A ARGS... -- B ARGS...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[at]));
    std::vector<std::vector<char*>> commands(1);
    for (int i = at + 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            commands.emplace_back();
        } else {
            commands.back().push_back(argv[i]);
        }
    }
    if (commands.size() != 2 || commands[0].empty() || commands[1].empty()) {
        std::fprintf(stderr, "pairedruns: give two commands, each after --\n");
        return 2;
    }
    for (auto& command : commands) {
        command.push_back(nullptr);
    }
    std::vector<char*> environment;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0) {
            environment.push_back(*e);
        }
    }
    if (!preload.empty()) {
        environment.push_back(preload.data());
    }
    environment.push_back(nullptr);

    Run(commands[0], environment);
    Run(commands[1], environment);
    std::vector<double> aWall, aCpu, bWall, bCpu, wallRatio, cpuRatio;
    for (int i = 0; i < runs; ++i) {
        const Times a = Run(commands[0], environment);
        const Times b = Run(commands[1], environment);
        aWall.push_back(a.wallMs);
        aCpu.push_back(a.cpuMs);
        bWall.push_back(b.wallMs);
        bCpu.push_back(b.cpuMs);
        wallRatio.push_back(a.wallMs / b.wallMs);
        cpuRatio.push_back(b.cpuMs > 0 ? a.cpuMs / b.cpuMs : 0);
    }
    std::printf("%.3f %.3f %.3f %.3f %.4f %.4f\n", Median(aWall), Median(aCpu), Median(bWall),
                Median(bCpu), Median(wallRatio), Median(cpuRatio));
    return 0;
}
