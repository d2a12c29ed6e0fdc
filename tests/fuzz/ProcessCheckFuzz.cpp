// Differential fuzz target: the process check against the plain rule, on names and process lists
// made from the fuzzer's bytes. Any disagreement stops the run.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "actions/ProcessCheck.h"
#include "tests/unit/ProcessCheckModel.h"

namespace {

constexpr std::size_t kMaxNameBytes = 300;  // past the 259 bytes a snapshot name can have
constexpr std::size_t kMaxRecords = 8;

// A text ends at its first zero byte, as the snapshot's names and the edit box's text do.
std::string ConsumeText(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(kMaxNameBytes);
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string name = ConsumeText(input);
    std::vector<std::string> records(input.ConsumeIntegralInRange<std::size_t>(0, kMaxRecords));
    for (std::string& record : records) {
        record = ConsumeText(input);
    }
    if (AnyProcessNamed(records, name) != ModelIsProcessRunning(records, name)) {
        std::abort();
    }
    return 0;
}
