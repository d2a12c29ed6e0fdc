// The port rule written another way, as a reference: the text converts completely with strtoul,
// starts with a digit other than 0, and is short enough that no sign, blank or overflow slips by.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <string>

inline bool ModelIsValidPort(const std::string& text) {
    if (text.empty() || text.size() > 5 || text[0] < '1' || text[0] > '9') {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= 1 && value <= 65535;
}
