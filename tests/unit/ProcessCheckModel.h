// The process check written the plain way, as a reference for the fast one: a fresh lower-cased copy
// of both names for every record, compared with strcmp.
#pragma once

#include <cstring>
#include <string>
#include <vector>

inline std::string ModelLowerCopy(const char* source) {
    std::string copy(source);
    for (std::size_t i = 0; copy[i] != '\0'; ++i) {
        const auto byte = static_cast<unsigned char>(copy[i]);
        if (byte >= 0x41 && byte <= 0x5A) {
            copy[i] = static_cast<char>(byte + 0x20);
        } else if (byte >= 0x80) {
            if (copy[i + 1] == '\0') {
                break;
            }
            ++i;
        }
    }
    return copy;
}

inline bool ModelIsProcessRunning(const std::vector<std::string>& records, const std::string& name) {
    for (const std::string& record : records) {
        const std::string recordCopy = ModelLowerCopy(record.c_str());
        const std::string nameCopy = ModelLowerCopy(name.c_str());
        if (std::strcmp(recordCopy.c_str(), nameCopy.c_str()) == 0) {
            return true;
        }
    }
    return false;
}
