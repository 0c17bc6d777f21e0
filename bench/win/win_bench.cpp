// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of Korvane.exe, as a player unpacks it, against a minimal window and
// the least a table can be, all started in turns by this program, which runs
// where they run (under wine here), and the size of the zip a player downloads.
// The first painted frame is seen from outside, so the real game is timed, not a
// build of it for the bench: its window shown, nothing of it or of its controls
// left to paint, and the last paint ended.
//   win_bench KORVANE_EXE MINIMAL_EXE LEAST_EXE ZIP
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;
constexpr DWORD kDeadlineMs = 30000;

std::wstring fullPath(const wchar_t* name) {
    std::vector<wchar_t> full(32768);
    const DWORD length =
        GetFullPathNameW(name, static_cast<DWORD>(full.size()), full.data(), nullptr);
    return std::wstring(full.data(), length);
}

struct Search {
    DWORD process;
    HWND window = nullptr;
    bool box = false;
};

// The process's shown window, and whether a box of the system's is open.
Search shownBy(DWORD process) {
    Search search{process};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->process || !IsWindowVisible(hwnd)) return TRUE;
            wchar_t kind[16] = L"";
            GetClassNameW(hwnd, kind, 16);
            if (std::wstring(kind) == L"#32770")
                s->box = true;
            else
                s->window = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search;
}

// Nothing of the window or of its shown controls is left to paint: each paint
// has at least begun.
bool painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool all = true;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
            *reinterpret_cast<bool*>(data) = false;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

double msSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Closes the program as a player would, or ends it where it does not close.
void close(const PROCESS_INFORMATION& started, HWND window) {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(started.hProcess, 1);
    WaitForSingleObject(started.hProcess, INFINITE);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

// From the start of the process, in its own folder as Explorer starts it, to
// its first painted frame; negative where none came or a box opened.
double firstFrameMs(const std::wstring& program) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring line = L"\"" + program + L"\"";
    STARTUPINFOW info{};
    info.cb = sizeof info;
    PROCESS_INFORMATION started{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &info, &started))
        return -1;
    double ms = -1;
    Search seen{started.dwProcessId};
    const ULONGLONG until = GetTickCount64() + kDeadlineMs;
    // The process's end, or a millisecond, between looks.
    while (GetTickCount64() < until && WaitForSingleObject(started.hProcess, 1) == WAIT_TIMEOUT) {
        seen = shownBy(started.dwProcessId);
        if (seen.box) break;
        // Each paint begins by taking its part off what is left to paint; a message
        // sent is taken once the last one begun has ended.
        if (seen.window && painted(seen.window) &&
            SendMessageTimeoutW(seen.window, WM_NULL, 0, 0, SMTO_NORMAL, kDeadlineMs, nullptr)) {
            ms = msSince(start);
            break;
        }
    }
    close(started, seen.window);
    return seen.box ? -2 : ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char* wineVersion() {
    using Version = const char* (*)();
    const auto version = reinterpret_cast<Version>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll"), "wine_get_version")));
    return version ? version() : "Windows";
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 5) return 2;
    const std::wstring programs[] = {fullPath(argv[1]), fullPath(argv[2]), fullPath(argv[3])};
    std::printf(
        "under wine %s, whose server this bench started before any timing: from the start of "
        "the process to its first painted frame, seen from another process\n",
        wineVersion());
    // Warms the disk caches; the table's first start also makes its folder.
    for (const std::wstring& program : programs)
        if (firstFrameMs(program) < 0) {
            std::printf("no first frame: a box opened, or the program ended or hung\n");
            return 1;
        }
    std::vector<double> ms[3], ratios;
    for (int i = 0; i < kRuns; ++i) {
        for (int p = 0; p < 3; ++p)
            ms[p].push_back(firstFrameMs(programs[p]));
        ratios.push_back(ms[0].back() / ms[1].back());
    }
    for (const auto& times : ms)
        if (*std::min_element(times.begin(), times.end()) < 0) return 1;
    const double t = median(ms[0]), m = median(ms[1]), l = median(ms[2]);
    std::printf(
        "start-up: Korvane.exe %.1f ms, minimal window %.1f ms to the first painted frame "
        "(medians of %d, in turns): %.2fx (aim: within 1.5x)\n",
        t, m, kRuns, t / m);
    // Each start against the minimal window's of the same turn: what the machine's
    // load does to both, it does to the pair.
    std::printf("start-up, turn by turn: %.2fx (median of %d)\n", median(ratios), kRuns);
    std::printf(
        "the least table (the minimal window with the table's manifest and the 22 controls it "
        "shows as plain system windows): %.1f ms, %.2fx the minimal window\n",
        l, l / m);
    WIN32_FILE_ATTRIBUTE_DATA zip{};
    if (!GetFileAttributesExW(fullPath(argv[4]).c_str(), GetFileExInfoStandard, &zip)) return 1;
    const double bytes = double(zip.nFileSizeHigh) * 4294967296.0 + zip.nFileSizeLow;
    std::printf("zip: Korvane-windows.zip %.0f bytes, %.2f MB (aim: under 3 MB)\n", bytes,
                bytes / 1e6);
    return 0;
}
