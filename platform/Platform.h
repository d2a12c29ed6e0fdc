// The operations through which the click actions reach the operating system. The Win32 build links
// their real implementation (Win32Platform.cpp); the unit tests link fakes that record every call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A text is a byte string in code page 936 (GBK), as the window and the command lines carry it.
using Text = std::string;

// Executable file names of the running processes, in snapshot order; empty when no snapshot can be read.
std::vector<Text> ListProcesses();

// Starts a command line as a new process with its window shown normally and returns after at most
// 1000 ms of idle wait, without waiting for the command to end. True when the process was created.
bool RunCommandLine(const Text& commandLine);

// How a command started by RunCommandAndWait ended.
struct CommandOutcome {
    enum class Status { NotStarted, Exited, TimedOut };
    Status status = Status::NotStarted;
    std::uint32_t exitCode = 0;  // when Exited
};

// Starts a command line like RunCommandLine, then waits for it to end, at most timeoutMs. Meanwhile
// the program's windows keep painting; clicks and keys that reach them are dropped, not kept for later.
CommandOutcome RunCommandAndWait(const Text& commandLine, std::uint32_t timeoutMs);

// MessageBoxA style bits the actions use; the values are Windows' own.
inline constexpr std::uint32_t kMbOk = 0x0000'0000;
inline constexpr std::uint32_t kMbIconHand = 0x0000'0010;
inline constexpr std::uint32_t kMbIconInformation = 0x0000'0040;
inline constexpr std::uint32_t kMbSystemModal = 0x0000'1000;
inline constexpr std::uint32_t kMbTaskModal = 0x0000'2000;

// Shows a message box without owner and returns the id of the button that closed it.
int ShowMessageBox(const Text& message, std::uint32_t style, const std::optional<Text>& title = std::nullopt);
