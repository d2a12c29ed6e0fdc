// Under Wine: start-up time and private memory of portguard against the minimal window program, in
// paired runs (the two alternate, so that both see the same machine), as median ratios.
//   startup_bench.exe PORTGUARD.exe MINIMAL.exe [pairs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultPairs = 15;
constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kSettleMs = 500;  // after the window shows, before memory is read

struct Run {
    double startupMs = 0;
    double privateKiB = 0;
};

struct Search {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// Committed private memory: the regions that are the process's alone (MEM_PRIVATE), as Windows
// counts private bytes. Wine answers 0 for PrivateUsage, so the address space is walked instead.
double PrivateKiB(HANDLE process) {
    double bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr; VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            bytes += static_cast<double>(region.RegionSize);
        }
        if (static_cast<const char*>(region.BaseAddress) + region.RegionSize < address) {
            break;
        }
    }
    return bytes / 1024;
}

Run Measure(const std::string& exe) {
    Run run;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + exe + "\"";
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", exe.c_str());
        std::exit(1);
    }
    Search search{info.dwProcessId, false};
    const DWORD deadline = GetTickCount() + kWindowTimeoutMs;
    while (!search.found && GetTickCount() < deadline) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(1);
        }
    }
    QueryPerformanceCounter(&shown);
    run.startupMs =
        static_cast<double>(shown.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    Sleep(kSettleMs);
    run.privateKiB = PrivateKiB(info.hProcess);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PORTGUARD.exe MINIMAL.exe [pairs]\n");
        return 2;
    }
    const int pairs = argc > 3 ? std::atoi(argv[3]) : kDefaultPairs;
    Measure(argv[1]);  // the first start of each warms the file cache
    Measure(argv[2]);
    std::vector<double> startupRatio, memoryRatio, product, minimal, productMemory, minimalMemory;
    std::printf("pair  portguard_ms  minimal_ms  portguard_KiB  minimal_KiB\n");
    for (int pair = 0; pair < pairs; ++pair) {
        // Alternate which goes first, so that neither always runs on a machine the other just warmed.
        const bool productFirst = pair % 2 == 0;
        const Run first = Measure(argv[productFirst ? 1 : 2]);
        const Run second = Measure(argv[productFirst ? 2 : 1]);
        const Run& p = productFirst ? first : second;
        const Run& m = productFirst ? second : first;
        std::printf("%4d  %12.1f  %10.1f  %13.0f  %11.0f\n", pair + 1, p.startupMs, m.startupMs, p.privateKiB,
                    m.privateKiB);
        product.push_back(p.startupMs);
        minimal.push_back(m.startupMs);
        productMemory.push_back(p.privateKiB);
        minimalMemory.push_back(m.privateKiB);
        startupRatio.push_back(p.startupMs / m.startupMs);
        memoryRatio.push_back(p.privateKiB / m.privateKiB);
    }
    std::printf("median start-up: portguard %.1f ms, minimal %.1f ms; median ratio %.3f\n", Median(product),
                Median(minimal), Median(startupRatio));
    std::printf("median private memory: portguard %.0f KiB, minimal %.0f KiB; median ratio %.3f\n",
                Median(productMemory), Median(minimalMemory), Median(memoryRatio));
    return 0;
}
