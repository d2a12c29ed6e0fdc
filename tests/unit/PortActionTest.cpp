#include "actions/PortAction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "actions/PortText.h"

namespace {

using Kind = PlatformCall::Kind;

// "cmd /c  netsh advfirewall firewall add rule name=‘8888’ dir=out action=block protocol=TCP localport="
// in code page 936, byte for byte.
const Text kExpectedAddPrefix =
    "cmd /c  netsh advfirewall firewall add rule name=\xa1\xae"
    "8888\xa1\xaf dir=out action=block protocol=TCP localport=";
const Text kExpectedDelete =
    "cmd /c netsh advfirewall firewall delete rule name=\xa1\xae"
    "8888\xa1\xaf ";
// 游戏已经运行，已经相关端口禁止！#^_^#
const Text kExpectedConfirmation =
    "\xd3\xce\xcf\xb7\xd2\xd1\xbe\xad\xd4\xcb\xd0\xd0\xa3\xac\xd2\xd1\xbe\xad\xcf\xe0\xb9\xd8\xb6\xcb\xbf\xda\xbd\xfb"
    "\xd6\xb9\xa3\xa1#^_^#";
// 游戏未运行(＞﹏＜)，释放相关端口禁止
const Text kExpectedNotRunning =
    "\xd3\xce\xcf\xb7\xce\xb4\xd4\xcb\xd0\xd0(\xa3\xbe\xa9\x6e\xa3\xbc)\xa3\xac\xca\xcd\xb7\xc5\xcf\xe0\xb9\xd8\xb6\xcb"
    "\xbf\xda\xbd\xfb\xd6\xb9";

class PortActionTest : public testing::Test {
  protected:
    void SetUp() override { Fake() = FakePlatform{}; }

    void Click(const Text& processName, const Text& port) {
        BlockOrReleaseGamePort({Fake().EditBox("编辑框1", processName), Fake().EditBox("编辑框2", port)});
    }

    static std::vector<Kind> Kinds() {
        std::vector<Kind> kinds;
        for (const PlatformCall& call : Fake().calls) {
            kinds.push_back(call.kind);
        }
        return kinds;
    }

    static const PlatformCall& LastBox() {
        for (auto it = Fake().calls.rbegin(); it != Fake().calls.rend(); ++it) {
            if (it->kind == Kind::ShowMessageBox) {
                return *it;
            }
        }
        static const PlatformCall none{};
        ADD_FAILURE() << "no message box";
        return none;
    }
};

TEST_F(PortActionTest, CommandTextsAreTheFirewallsOwn) {
    EXPECT_EQ(kAddRulePrefix, kExpectedAddPrefix);
    EXPECT_EQ(kExpectedAddPrefix.size(), 102u);
    EXPECT_EQ(kDeleteRuleCommand, kExpectedDelete);
    EXPECT_EQ(kExpectedDelete.size(), 60u);
}

TEST_F(PortActionTest, RunningGameGetsItsPortBlockedThenTheConfirmation) {
    Fake().processes = {"svchost.exe", "TARNWICK.EXE"};
    Click("Tarnwick.exe", "27015");
    EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::ReadEditBox, Kind::ListProcesses, Kind::ReadEditBox,
                                          Kind::RunCommandAndWait, Kind::ShowMessageBox}));
    EXPECT_EQ(Fake().calls[0].text, "编辑框1");
    EXPECT_EQ(Fake().calls[2].text, "编辑框2");
    // Another port than 8888 is blocked under the same rule name.
    EXPECT_EQ(Fake().CommandLines(), std::vector<Text>{kExpectedAddPrefix + "27015"});
    EXPECT_EQ(LastBox().text, kExpectedConfirmation);
    EXPECT_EQ(LastBox().style, 0u);
    EXPECT_EQ(LastBox().title, std::nullopt);
}

TEST_F(PortActionTest, GameNotRunningShowsTheBoxFirstThenDeletesTheRuleWithoutReadingThePort) {
    Fake().processes = {"svchost.exe"};
    Click("Tarnwick.exe", "8888");
    EXPECT_EQ(Kinds(),
              (std::vector<Kind>{Kind::ReadEditBox, Kind::ListProcesses, Kind::ShowMessageBox, Kind::RunCommandLine}));
    EXPECT_EQ(Fake().calls[2].text, kExpectedNotRunning);
    EXPECT_EQ(Fake().calls[2].style, 0x40u);
    EXPECT_EQ(Fake().calls[2].title, Text("~>_<~ "));
    EXPECT_EQ(Fake().calls[3].text, kExpectedDelete);
}

TEST_F(PortActionTest, ConfirmationOnlyWhenTheFirewallCommandEndedWithZero) {
    struct Case {
        const char* context;
        CommandOutcome outcome;
        bool confirmed;
        const char* mentions;  // a part of the error text
    };
    const Case cases[] = {
        {"exit code 0", {CommandOutcome::Status::Exited, 0}, true, ""},
        {"exit code 1: not administrator, or the firewall refused",
         {CommandOutcome::Status::Exited, 1},
         false,
         "退出代码 1"},
        {"large exit code", {CommandOutcome::Status::Exited, 0xC0000005u}, false, "退出代码 3221225477"},
        {"cmd could not be started", {CommandOutcome::Status::NotStarted, 0}, false, "无法启动"},
        {"command did not end in time", {CommandOutcome::Status::TimedOut, 0}, false, "15 秒"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        Fake() = FakePlatform{};
        Fake().processes = {"Tarnwick.exe"};
        Fake().waitOutcome = c.outcome;
        Click("Tarnwick.exe", "8888");
        ASSERT_EQ(Kinds().back(), Kind::ShowMessageBox);
        if (c.confirmed) {
            EXPECT_EQ(LastBox().text, kExpectedConfirmation);
            continue;
        }
        EXPECT_NE(LastBox().text, kExpectedConfirmation);
        EXPECT_NE(LastBox().text.find(c.mentions), std::string::npos) << LastBox().text;
        EXPECT_NE(LastBox().text.find("管理员"), std::string::npos) << "names the usual cause";
        EXPECT_NE(LastBox().text.find("防火墙需要开启"), std::string::npos) << "names the usual cause";
        EXPECT_EQ(LastBox().style, kMbIconHand);
    }
}

// Every text that is not a plain port number starts nothing and shows the stop box instead.
TEST_F(PortActionTest, OnlyAPortNumberEverReachesTheCommandLine) {
    struct Case {
        const char* context;
        Text port;
        bool valid;
    };
    const Case cases[] = {
        {"the default", "8888", true},
        {"lowest port", "1", true},
        {"highest port", "65535", true},
        {"five digits", "10000", true},
        {"empty box", "", false},
        {"zero", "0", false},
        {"leading zero", "08888", false},
        {"one past the highest", "65536", false},
        {"six digits", "100000", false},
        {"far too large", "99999999999999999999", false},
        {"leading blank", " 8888", false},
        {"trailing blank", "8888 ", false},
        {"blank inside", "88 88", false},
        {"tab", "8888\t", false},
        {"line break", "8888\r\n", false},
        {"plus sign", "+8888", false},
        {"minus sign", "-1", false},
        {"letters", "abc", false},
        {"digits and letters", "8888a", false},
        {"hexadecimal", "0x22B8", false},
        {"full-width digits", "\xa3\xb8\xa3\xb8\xa3\xb8\xa3\xb8", false},  // ８８８８
        {"range", "8000-9000", false},
        {"list", "8888,8889", false},
        {"keyword any blocks every port", "any", false},
        {"keyword RPC", "RPC", false},
        {"runs another command", "8888 & calc.exe", false},
        {"runs another command after failure", "8888 || net user x /add", false},
        {"pipe", "8888 | more", false},
        {"redirect", "8888 > C:\\x", false},
        {"input", "8888 < x", false},
        {"escape character", "8888^", false},
        {"environment variable", "%PATH%", false},
        {"quote", "8888\"", false},
        {"parentheses", "(8888)", false},
        {"changes the rule", "8888 action=allow", false},
        {"second option", "8888 remoteip=any", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        EXPECT_EQ(IsValidPort(c.port), c.valid);
        Fake() = FakePlatform{};
        Fake().processes = {"Tarnwick.exe"};
        Click("Tarnwick.exe", c.port);
        if (c.valid) {
            EXPECT_EQ(Fake().CommandLines(), std::vector<Text>{kExpectedAddPrefix + c.port});
            EXPECT_EQ(LastBox().text, kExpectedConfirmation);
        } else {
            EXPECT_TRUE(Fake().CommandLines().empty());
            EXPECT_EQ(LastBox().text, kInvalidPortMessage);
            EXPECT_EQ(LastBox().style, kMbIconHand);
        }
    }
}

TEST_F(PortActionTest, EachPressStartsItsOwnCommand) {
    Fake().processes = {"Tarnwick.exe"};
    Click("Tarnwick.exe", "8888");
    Click("Tarnwick.exe", "8888");
    Fake().processes = {};
    Click("Tarnwick.exe", "1234");
    Click("Tarnwick.exe", "1234");
    EXPECT_EQ(Fake().CommandLines(), (std::vector<Text>{kExpectedAddPrefix + "8888", kExpectedAddPrefix + "8888",
                                                        kExpectedDelete, kExpectedDelete}));
}

}  // namespace
