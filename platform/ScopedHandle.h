// Move-only owners of Win32 handles, so that every handle is closed exactly once on every path.
#pragma once

#include <windows.h>

#include <utility>

// A kernel handle closed with CloseHandle. Some APIs fail with NULL and others (the ToolHelp snapshot)
// with INVALID_HANDLE_VALUE, so both count as "no handle".
class ScopedHandle {
  public:
    ScopedHandle() = default;
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ~ScopedHandle() { Close(); }

    bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

  private:
    void Close() {
        if (IsValid()) {
            CloseHandle(handle_);
        }
        handle_ = nullptr;
    }

    HANDLE handle_ = nullptr;
};

// The two handles CreateProcess hands back. Members are destroyed in reverse order, so the thread
// handle is closed before the process handle.
struct ScopedProcessInformation {
    explicit ScopedProcessInformation(const PROCESS_INFORMATION& info) : process(info.hProcess), thread(info.hThread) {}

    ScopedHandle process;
    ScopedHandle thread;
};
