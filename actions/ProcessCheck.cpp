#include "actions/ProcessCheck.h"

#include <cstddef>

namespace {

constexpr unsigned char kFirstCapital = 0x41;  // 'A'
constexpr unsigned char kLastCapital = 0x5A;   // 'Z'
constexpr unsigned char kCaseOffset = 0x20;
constexpr unsigned char kFirstLeadByte = 0x80;

bool IsCapital(unsigned char byte) {
    return byte >= kFirstCapital && byte <= kLastCapital;
}

// Compares a name with a target that is already lower-cased, lowering the name as it goes; nothing is
// allocated, so the walk over a long process list stays cheap. Lowering keeps the length, so names
// of another length are passed over at once.
bool LowersTo(std::string_view name, std::string_view lowerTarget) {
    if (name.size() != lowerTarget.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte >= kFirstLeadByte) {
            // Both bytes of a double-byte character must be the same; the second one is never lowered.
            if (name[i] != lowerTarget[i] || (i + 1 < name.size() && name[i + 1] != lowerTarget[i + 1])) {
                return false;
            }
            ++i;
            continue;
        }
        const auto lowered = static_cast<char>(IsCapital(byte) ? byte + kCaseOffset : byte);
        if (lowered != lowerTarget[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

Text LowerAsciiLetters(std::string_view text) {
    Text lower(text);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lower[i]);
        if (byte >= kFirstLeadByte) {
            ++i;  // the second byte of the pair stays as it is
        } else if (IsCapital(byte)) {
            lower[i] = static_cast<char>(byte + kCaseOffset);
        }
    }
    return lower;
}

bool AnyProcessNamed(const std::vector<Text>& processNames, std::string_view name) {
    const Text lowerName = LowerAsciiLetters(name);
    for (const Text& processName : processNames) {
        if (LowersTo(processName, lowerName)) {
            return true;
        }
    }
    return false;
}

bool IsProcessRunning(const Text& name) {
    return AnyProcessNamed(ListProcesses(), name);
}
