#include "actions/PortText.h"

namespace {

constexpr std::size_t kMaxPortDigits = 5;
constexpr unsigned kMaxPort = 65535;

}  // namespace

bool IsValidPort(std::string_view text) {
    if (text.empty() || text.size() > kMaxPortDigits || text.front() == '0') {
        return false;
    }
    unsigned value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(digit - '0');
    }
    return value <= kMaxPort;
}
