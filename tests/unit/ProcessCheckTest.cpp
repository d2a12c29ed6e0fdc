#include "actions/ProcessCheck.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "ProcessCheckModel.h"

namespace {

// A Windows-like snapshot: the system's own entries, then the game under the case it was installed with.
const std::vector<Text> kSnapshot = {"[System Process]", "System", "svchost.exe", "explorer.exe", "TARNWICK.exe"};

struct Case {
    const char* context;
    std::vector<Text> processes;
    Text name;
    bool running;
};

// Bytes of code page 936 are written as escapes so that each case shows exactly what it compares.
const Case kCases[] = {
    {"exact case of the snapshot", kSnapshot, "TARNWICK.exe", true},
    {"as the box shows it by default", kSnapshot, "Tarnwick.exe", true},
    {"all small", kSnapshot, "tarnwick.exe", true},
    {"all capital", kSnapshot, "TARNWICK.EXE", true},
    {"mixed case on both sides", {"tArNwIcK.ExE"}, "TaRnWiCk.eXe", true},
    {"without its extension", kSnapshot, "Tarnwick", false},
    {"with a directory in front", kSnapshot, "C:\\Games\\Tarnwick.exe", false},
    {"leading blank", kSnapshot, " Tarnwick.exe", false},
    {"trailing blank", kSnapshot, "Tarnwick.exe ", false},
    {"empty box, every process named", kSnapshot, "", false},
    {"empty box, a process without name", {"svchost.exe", ""}, "", true},
    {"a name only differs in length", {"Tarnwick.exe1"}, "Tarnwick.exe", false},
    {"several processes of the same name",
     {"Tarnwick.exe", "svchost.exe", "tarnwick.exe", "TARNWICK.EXE"},
     "tarnwick.exe",
     true},
    {"empty list, a name", {}, "Tarnwick.exe", false},
    {"empty list, the empty name", {}, "", false},
    {"a system entry counts like any other", kSnapshot, "[system process]", true},
    {"longer than 259 bytes", {std::string(259, 'a')}, std::string(260, 'a'), false},
    {"259 bytes exactly", {std::string(259, 'a')}, std::string(259, 'A'), true},
    {"Chinese name matches itself", {"\xd3\xce\xcf\xb7.exe"}, "\xd3\xce\xcf\xb7.exe", true},  // 游戏.exe
    {"Chinese name does not match another", {"\xd3\xce\xcf\xb7.exe"}, "\xd3\xce\xcf\xb8.exe", false},
    // 0x81 0x41 is one character; its second byte is a capital A in ASCII and is never lowered.
    {"second byte A is left alone", {"\x81\x41.exe"}, "\x81\x61.exe", false},
    {"second byte A matches itself", {"\x81\x41.exe"}, "\x81\x41.EXE", true},
    {"single high byte keeps the next letter's case", {"\xe9Tarnwick.exe"}, "\xe9tarnwick.exe", false},
    {"single high byte, rest lowered", {"\xe9TARNWICK.EXE"}, "\xe9Tarnwick.exe", true},
    {"high byte as the last byte", {"Tarnwick\xe9"}, "TARNWICK\xe9", true},
    // Full-width Ｔ (A3 D4) and ｔ (A3 F4) are other characters, not other cases.
    {"full-width letter in the same case", {"\xa3\xd4.exe"}, "\xa3\xd4.EXE", true},
    {"full-width letter in the other case", {"\xa3\xd4.exe"}, "\xa3\xf4.exe", false},
    {"accented letter in the other case", {"\xc9t\xe9.exe"}, "\xe9t\xe9.exe", false},
};

class ProcessCheckTest : public testing::Test {
  protected:
    void SetUp() override { Fake() = FakePlatform{}; }
};

TEST_F(ProcessCheckTest, AnswersByTheComparisonRule) {
    for (const Case& c : kCases) {
        Fake().processes = c.processes;
        EXPECT_EQ(IsProcessRunning(c.name), c.running) << c.context;
        EXPECT_EQ(ModelIsProcessRunning(c.processes, c.name), c.running) << "model: " << c.context;
    }
}

TEST_F(ProcessCheckTest, TakesAFreshListAtEveryCall) {
    Fake().processes = {"Tarnwick.exe"};
    EXPECT_TRUE(IsProcessRunning("Tarnwick.exe"));
    Fake().processes = {};
    EXPECT_FALSE(IsProcessRunning("Tarnwick.exe"));
    EXPECT_EQ(Fake().calls.size(), 2u);
}

// Short names over a small alphabet that is rich in the bytes the rule treats specially, so that
// random pairs often come out equal or nearly so.
TEST(ProcessCheckDifferentialTest, AgreesWithThePlainRuleOnRandomNames) {
    const char alphabet[] = {'a', 'A',    'z',    'Z',    '@',    '[',    '`', '{',
                             '.', '\x80', '\x81', '\xa3', '\xd4', '\xf4', 'T', 't'};
    std::mt19937 random(20261211);
    const auto randomName = [&] {
        std::string name(random() % 5, '\0');
        for (char& byte : name) {
            byte = alphabet[random() % sizeof(alphabet)];
        }
        return name;
    };
    int matches = 0;
    for (int round = 0; round < 200000; ++round) {
        std::vector<Text> records(random() % 4);
        for (Text& record : records) {
            record = randomName();
        }
        const Text name = randomName();
        const bool expected = ModelIsProcessRunning(records, name);
        ASSERT_EQ(AnyProcessNamed(records, name), expected) << "round " << round;
        matches += expected ? 1 : 0;
    }
    EXPECT_GT(matches, 1000) << "the random names rarely matched; the comparison was hardly tried";
}

}  // namespace
