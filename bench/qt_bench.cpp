// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, idle cost and memory of the table against a minimal Qt Widgets
// window, both started the same way in the same run: on the X display it is
// given (`make bench` starts Xvfb), or offscreen without one, and with a sound
// server of its own to play the table's start-up cue into, where PulseAudio is
// installed.
#include <signal.h>
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
    std::string idleLine, memoryLine;
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
        else if (line.rfind("memory", 0) == 0)
            run.memoryLine = line;
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

struct Medians {
    double ms, kb;  // to the first painted frame; peak resident memory
};

// Each program started nine times, all of them in turns, after one start each
// that warms the disk caches.
std::vector<Medians> inTurns(const std::vector<const char*>& programs) {
    std::vector<std::vector<double>> ms(programs.size()), kb(programs.size());
    for (const char* program : programs)
        runProbe(program, 0);
    for (int i = 0; i < 9; ++i)
        for (size_t p = 0; p < programs.size(); ++p) {
            const Run run = runProbe(programs[p], 0);
            ms[p].push_back(run.paintedMs);
            kb[p].push_back(double(field(run.memoryLine, "max_rss_kb")));
        }
    std::vector<Medians> medians;
    for (size_t p = 0; p < programs.size(); ++p)
        medians.push_back({median(ms[p]), median(kb[p])});
    return medians;
}

// A PulseAudio of the bench's own with one silent sink, in `folder`, for
// PULSE_SERVER; 0 where PulseAudio is not installed.
pid_t startSoundServer(const std::string& folder) {
    const std::string socket = folder + "/native";
    const pid_t server = fork();
    if (server == 0) {
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH",
                                 "PULSE_STATE_PATH"})
            setenv(name, folder.c_str(), 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + folder + "/no-bus").c_str(), 1);
        unsetenv("DISPLAY");
        const std::string listen = "module-native-protocol-unix auth-anonymous=1 socket=" + socket;
        execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
               "--use-pid-file=no", "--realtime=no", "--high-priority=no", "--log-level=error",
               "-L", listen.c_str(), "-L", "module-null-sink", static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int waited = 0; waited < 100; ++waited) {
        if (std::filesystem::exists(socket)) return server;
        int status = 0;
        if (waitpid(server, &status, WNOHANG) == server) return 0;
        usleep(50000);
    }
    return server;
}

}  // namespace

int main() {
    if (!getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string folder = std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX";
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0)
        return 2;  // no player's cash file is touched
    // With its sounds beside it, as a player runs it.
    const std::string copy = std::string("cp ") + KORVANE_SOUNDS + "/*.wav .";
    if (std::system(copy.c_str()) != 0) return 2;
    const pid_t sound = startSoundServer(folder);
    if (sound > 0) setenv("PULSE_SERVER", ("unix:" + folder + "/native").c_str(), 1);
    std::printf("on %s; the start-up cue plays into %s\n",
                getenv("DISPLAY") ? "the X display" : "the offscreen platform",
                sound > 0 ? "a silent sink of the bench's own PulseAudio"
                          : "whatever sound server there is (PulseAudio is not installed)");
    const std::vector<Medians> medians = inTurns({KORVANE_TABLE, KORVANE_LEAST, KORVANE_MINIMAL});
    const Medians table = medians[0], least = medians[1], minimal = medians[2];
    std::printf(
        "start-up: table %.1f ms, minimal window %.1f ms to the first painted frame "
        "(medians of 9): %.2fx (aim: within 1.2x)\n",
        table.ms, minimal.ms, table.ms / minimal.ms);
    std::printf(
        "memory: table %.0f KiB, minimal window %.0f KiB peak resident, the start-up cue "
        "played (medians of 9): %.2fx (aim: within 1.2x)\n",
        table.kb, minimal.kb, table.kb / minimal.kb);
    std::printf(
        "the least table (the minimal window with one word, one button and the start-up cue): "
        "start-up %.1f ms, %.2fx the minimal window; memory %.0f KiB, %.2fx\n",
        least.ms, least.ms / minimal.ms, least.kb, least.kb / minimal.kb);
    const Run idleTable = runProbe(KORVANE_TABLE, 5), idleMinimal = runProbe(KORVANE_MINIMAL, 5);
    std::printf("idle 5 s: table %s\n          minimal %s\n", idleTable.idleLine.c_str(),
                idleMinimal.idleLine.c_str());
    std::printf("idle: the table's timers woke %ld times (aim: 0)\n",
                field(idleTable.idleLine, "timer_events"));
    if (sound > 0) {
        kill(sound, SIGTERM);
        waitpid(sound, nullptr, 0);
    }
    std::string cleanup = std::string("rm -rf ") + folder;
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
