// Differential fuzz target: the port check against a second way of writing the same rule.
#include <cstdlib>
#include <string>

#include "actions/PortText.h"
#include "tests/unit/PortTextModel.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string upToZero = text.substr(0, text.find('\0'));  // a text ends at its first zero byte
    if (IsValidPort(upToZero) != ModelIsValidPort(upToZero)) {
        std::abort();
    }
    return 0;
}
