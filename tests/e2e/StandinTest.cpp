// The stand-in firewall that ./run and the tests put in place of netsh: what it prints, its exit
// codes and the state it keeps.
#include <gtest/gtest.h>

#include <string>

#include "Harness.h"

namespace {

struct Result {
    DWORD exitCode;
    std::string output;
};

Result Netsh(const std::string& arguments) {
    // A new file per run: the console host of the run before may still hold the last one open.
    static int runs = 0;
    const std::string outputPath = Paths().standin + "\\test-output-" + std::to_string(++runs) + ".txt";
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    const HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + Paths().standin + "\\netsh.exe\" " + arguments;
    Result result{STILL_ACTIVE, {}};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &info)) {
        WaitForSingleObject(info.hProcess, 10000);
        GetExitCodeProcess(info.hProcess, &result.exitCode);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    } else {
        ADD_FAILURE() << "cannot start " << commandLine;
    }
    CloseHandle(output);
    result.output = ReadFileBytes(outputPath);
    DeleteFileA(outputPath.c_str());
    return result;
}

class StandinTest : public testing::Test {
  protected:
    void SetUp() override {
        WriteFileBytes(State(), "state\ton\n");
        DeleteFileA(NotAdmin().c_str());
    }
    void TearDown() override { DeleteFileA(NotAdmin().c_str()); }

    static std::string State() { return Paths().standin + "\\firewall-state.txt"; }
    static std::string NotAdmin() { return Paths().standin + "\\not-admin"; }
};

constexpr char kRule[] =
    "name=\xa1\xae"
    "8888\xa1\xaf";  // ‘8888’ in code page 936
constexpr char kOk[] = "Ok.\r\n\r\n";
constexpr char kNoMatch[] = "\r\nNo rules match the specified criteria.\r\n\r\n";

TEST_F(StandinTest, RuleIsAddedShownAndDeletedLikeTheRealTool) {
    const std::string add =
        std::string("advfirewall firewall add rule ") + kRule + " dir=out action=block protocol=TCP localport=8888";
    struct Step {
        std::string arguments;
        DWORD exitCode;
        std::string output;  // the whole output, or a part of it when partial
        bool partial;
    };
    const Step steps[] = {
        {std::string("advfirewall firewall show rule ") + kRule, 1, kNoMatch, false},
        {add, 0, kOk, false},
        {std::string("advfirewall firewall show rule ") + kRule, 0, "Direction:                            Out\r\n",
         true},
        {std::string("advfirewall firewall show rule ") + kRule, 0,
         "Protocol:                             TCP\r\nLocalPort:                            8888\r\n", true},
        {std::string("advfirewall firewall show rule ") + kRule, 0,
         "Action:                               Block\r\nOk.\r\n\r\n", true},
        {std::string("advfirewall firewall delete rule ") + kRule, 0, "\r\nDeleted 1 rule(s).\r\nOk.\r\n\r\n", false},
        {std::string("advfirewall firewall delete rule ") + kRule, 1, kNoMatch, false},
        {"advfirewall firewall add rule name=x dir=out action=block protocol=TCP localport=8888x", 1,
         "A specified port value is not valid.\r\n\r\n", false},
        {"advfirewall firewall add rule dir=out action=block", 1, "A specified value is not valid.\r\n\r\n", false},
        {"advfirewall set allprofiles state sideways", 1, "The following command was not found.\r\n", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments);
        const Result result = Netsh(step.arguments);
        EXPECT_EQ(result.exitCode, step.exitCode);
        if (step.partial) {
            EXPECT_NE(result.output.find(step.output), std::string::npos) << result.output;
        } else {
            EXPECT_EQ(result.output, step.output);
        }
    }
}

TEST_F(StandinTest, StateFollowsTheSwitchesAndRefusesUsersWithoutAdministratorRights) {
    EXPECT_EQ(Netsh("advfirewall set allprofiles state off").exitCode, 0u);
    EXPECT_EQ(ReadFileBytes(State()), "state\toff\n");
    EXPECT_NE(Netsh("advfirewall show allprofiles state").output.find("State                                 OFF"),
              std::string::npos);

    WriteFileBytes(NotAdmin(), "");
    const Result refused = Netsh("advfirewall set allprofiles state on");
    EXPECT_EQ(refused.exitCode, 1u);
    EXPECT_EQ(refused.output, "The requested operation requires elevation (Run as administrator).\r\n\r\n");
    EXPECT_EQ(ReadFileBytes(State()), "state\toff\n");
    EXPECT_EQ(Netsh(std::string("advfirewall firewall add rule ") + kRule +
                    " dir=out action=block protocol=TCP localport=8888")
                  .exitCode,
              1u);
}

}  // namespace
