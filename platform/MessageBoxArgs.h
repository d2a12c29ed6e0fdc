// How ShowMessageBox completes its arguments before they reach MessageBoxA. Pure, so that it is tested
// on its own.
#pragma once

#include "platform/Platform.h"

inline const Text kDefaultMessageBoxTitle = "信息：";

inline Text MessageBoxTitle(const std::optional<Text>& title) {
    return title.value_or(kDefaultMessageBoxTitle);
}

// A box without owner would leave the main window usable behind it; task-modal keeps the user from
// pressing a button again while a box is open. A system-modal box already blocks everything.
inline std::uint32_t MessageBoxStyle(std::uint32_t style) {
    return (style & kMbSystemModal) != 0 ? style : style | kMbTaskModal;
}
