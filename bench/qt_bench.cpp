// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, idle cost and memory of the table against a minimal Qt Widgets
// window, both started the same way in the same run.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double paintedMs = -1;  // from the start of the process to its first painted frame
    std::string idleLine;
};

// Starts the probe and reads its lines; times the "painted" line from the fork.
Run runProbe(const char* program, int idleSeconds) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::exit(2);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        const std::string idle = std::to_string(idleSeconds);
        execl(program, program, idle.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    Run run;
    std::string line;
    char c;
    while (read(pipeFds[0], &c, 1) == 1) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (line == "painted")
            run.paintedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        else if (line.rfind("idle", 0) == 0)
            run.idleLine = line;
        line.clear();
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long field(const std::string& line, const std::string& name) {
    const auto at = line.find(name + "=");
    return at == std::string::npos ? -1 : std::atol(line.c_str() + at + name.size() + 1);
}

}  // namespace

int main() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string folder = std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX";
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0)
        return 2;  // no player's cash file is touched
    // With its sounds beside it, as a player runs it.
    const std::string copy = std::string("cp ") + KORVANE_SOUNDS + "/*.wav .";
    if (std::system(copy.c_str()) != 0) return 2;
    std::vector<double> table, minimal;
    runProbe(KORVANE_TABLE, 0);  // warm the disk caches for both
    runProbe(KORVANE_MINIMAL, 0);
    for (int i = 0; i < 21; ++i) {
        table.push_back(runProbe(KORVANE_TABLE, 0).paintedMs);
        minimal.push_back(runProbe(KORVANE_MINIMAL, 0).paintedMs);
    }
    const double t = median(table), m = median(minimal);
    std::printf(
        "start-up: table %.1f ms, minimal window %.1f ms to the first painted frame: %.2fx "
        "(aim: within 1.5x)\n",
        t, m, t / m);
    const Run idleTable = runProbe(KORVANE_TABLE, 5), idleMinimal = runProbe(KORVANE_MINIMAL, 5);
    std::printf("idle 5 s: table %s\n          minimal %s\n", idleTable.idleLine.c_str(),
                idleMinimal.idleLine.c_str());
    std::printf("idle: the table's timers woke %ld times (aim: 0)\n",
                field(idleTable.idleLine, "timer_events"));
    const long rssTable = field(idleTable.idleLine, "max_rss_kb");
    const long rssMinimal = field(idleMinimal.idleLine, "max_rss_kb");
    std::printf(
        "memory: table %ld KiB, minimal window %ld KiB peak resident: %.2fx (aim: within 1.3x)\n",
        rssTable, rssMinimal, static_cast<double>(rssTable) / static_cast<double>(rssMinimal));
    std::string cleanup = std::string("rm -rf ") + folder;
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
