// Under Wine: one IsProcessRunning call against the bare snapshot walk it is built on
// (CreateToolhelp32Snapshot and the Process32First/Process32Next loop alone), measured in turns in one
// run. Prints the median of each and their ratio.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "actions/ProcessCheck.h"

namespace {

constexpr int kRounds = 31;
constexpr int kCallsPerRound = 200;

int BareSnapshotWalk() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        ++count;
    }
    CloseHandle(snapshot);
    return count;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename F>
double MicrosecondsPerCall(F call) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kCallsPerRound; ++i) {
        call();
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1e6 / kCallsPerRound;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    const Text absent = "NoSuchGame.exe";
    volatile int sink = 0;
    std::vector<double> walk, check, ratio;
    for (int round = 0; round < kRounds; ++round) {
        const double w = MicrosecondsPerCall([&] { sink = sink + BareSnapshotWalk(); });
        const double c = MicrosecondsPerCall([&] { sink = sink + (IsProcessRunning(absent) ? 1 : 0); });
        walk.push_back(w);
        check.push_back(c);
        ratio.push_back(c / w);
    }
    std::printf("processes in the snapshot: %d\n", BareSnapshotWalk());
    std::printf("bare snapshot walk: %.1f us per call (median of %d rounds of %d calls)\n", Median(walk), kRounds,
                kCallsPerRound);
    std::printf("IsProcessRunning:   %.1f us per call\n", Median(check));
    std::printf("ratio check / walk: %.3f (median of the per-round ratios)\n", Median(ratio));
    return 0;
}
