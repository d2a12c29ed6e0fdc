// Whether a game client runs: a process whose executable file name equals the given name, with the
// letters A to Z compared without case and every other byte as it is.
#pragma once

#include <string_view>
#include <vector>

#include "platform/Platform.h"

// Takes a fresh process list and looks for the name in it.
bool IsProcessRunning(const Text& name);

// The comparison alone, over a list already taken. Names are texts and hold no zero byte:
// ListProcesses copies each up to its terminator, and an edit box cannot hold one.
bool AnyProcessNamed(const std::vector<Text>& processNames, std::string_view name);

// The lower-cased copy both sides are compared in: bytes 0x41 to 0x5A become 0x61 to 0x7A. A byte of
// 0x80 or above starts a double-byte character, so it and the byte after it stay as they are, even
// when that second byte is a capital letter. No locale is consulted.
Text LowerAsciiLetters(std::string_view text);
