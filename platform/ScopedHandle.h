// Owners of kernel handles.
#pragma once

#include <windows.h>

#include "platform/UniqueResource.h"

// Closed with CloseHandle. Some APIs fail with NULL and others (the ToolHelp snapshot) with
// INVALID_HANDLE_VALUE, so both count as "no handle".
struct KernelHandleTraits {
    using Type = HANDLE;
    static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};
using ScopedHandle = UniqueResource<KernelHandleTraits>;

// The two handles CreateProcess hands back. Members are destroyed in reverse order, so the thread
// handle is closed before the process handle.
struct ScopedProcessInformation {
    explicit ScopedProcessInformation(const PROCESS_INFORMATION& info) : process(info.hProcess), thread(info.hThread) {}

    ScopedHandle process;
    ScopedHandle thread;
};
