// Names of the resources that portguard.rc puts into the executable.
#pragma once

inline constexpr char kProgramIconName[] = "DEFAULT_ICON";
inline constexpr char kHandCursorName[] = "HAND";
