// The main button under Wine, with a sleeper standing in for the running game: the command lines it
// starts, the boxes it shows and when, and what the stand-in firewall ends up with.
#include <gtest/gtest.h>

#include <string>

#include "Harness.h"

namespace {

const std::string kRuleName =
    "\xa1\xae"
    "8888\xa1\xaf";  // ‘8888’
const std::string kAddPrefix =
    "cmd /c  netsh advfirewall firewall add rule name=" + kRuleName + " dir=out action=block protocol=TCP localport=";
const std::string kDelete = "cmd /c netsh advfirewall firewall delete rule name=" + kRuleName + " ";
constexpr char kInformationTitle[] = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：
constexpr char kConfirmation[] = "游戏已经运行，已经相关端口禁止！#^_^#";
constexpr char kNotRunning[] = "游戏未运行(＞﹏＜)，释放相关端口禁止";
constexpr char kErrorTitle[] = "错误：";

class PortActionWineTest : public testing::Test {
  protected:
    void ClickMainButton(const Program& program) {
        BringToFront(program.Main());
        ClickAt(CentreOf(FindControl(program.Main(), "按钮1")));
    }

    // Types a text into the port box the way a paste would, replacing what it held.
    static void SetPort(const Program& program, const std::string& text) {
        SendMessageA(FindControl(program.Main(), "编辑框2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
};

TEST_F(PortActionWineTest, RunningGameGetsTheAddCommandThenTheConfirmation) {
    TestFolder folder(true);
    FakeGame game(folder);
    Program program(folder);
    ClickMainButton(program);
    const HWND box = WaitForMessageBox(program);
    ASSERT_NE(box, nullptr);
    // The command ran before the box opened.
    const std::vector<FixtureRecord> records = folder.CmdRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].commandLine, kAddPrefix + "8888");
    EXPECT_EQ(records[0].directory, folder.Path());
    EXPECT_EQ(TextOf(box), kInformationTitle);
    EXPECT_EQ(BoxText(box), kConfirmation);
    EXPECT_FALSE(IsWindowEnabled(program.Main())) << "the main window takes input while the box is open";
    CloseMessageBox(box);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(program.Main()) != FALSE; }, 3000));
    EXPECT_EQ(folder.CmdRecords().size(), 1u);
}

TEST_F(PortActionWineTest, GameNotRunningShowsTheBoxAndDeletesTheRuleOnlyOnceItIsClosed) {
    TestFolder folder(true);
    Program program(folder);
    SetPort(program, "not even read");
    ClickMainButton(program);
    const HWND box = WaitForMessageBox(program);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), "~>_<~ ");
    EXPECT_EQ(BoxText(box), kNotRunning);
    EXPECT_FALSE(IsWindowEnabled(program.Main()));
    Sleep(1000);
    EXPECT_TRUE(folder.CmdRecords().empty()) << "the delete command started before the box was closed";
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return folder.CmdRecords().size() == 1; }));
    EXPECT_EQ(folder.CmdRecords()[0].commandLine, kDelete);
    EXPECT_EQ(folder.CmdRecords()[0].directory, folder.Path());
}

// None of these may start any process: the recording cmd.exe must log nothing at all.
TEST_F(PortActionWineTest, PortTextsThatAreNotAPortStartNothing) {
    TestFolder folder(true);
    FakeGame game(folder);
    Program program(folder);
    const char* const texts[] = {
        "",
        "0",
        "65536",
        " 8888",
        "8888 & echo injected > injected.txt",
        "8888 && calc.exe",
        "8888 | more",
        "8888 > C:\\x.txt",
        "8888^",
        "%PATH%",
        "8888\"",
        "(8888)",
        "8888 action=allow",
        "8000-9000",
        "8888,8889",
        "any",
        "\xa3\xb8\xa3\xb8\xa3\xb8\xa3\xb8",  // ８８８８
        "8888\r\necho injected",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        SetPort(program, text);
        ClickMainButton(program);
        const HWND box = WaitForMessageBox(program);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(box), kErrorTitle);
        EXPECT_NE(BoxText(box).find("端口无效"), std::string::npos) << BoxText(box);
        CloseMessageBox(box);
    }
    EXPECT_EQ(GetFileAttributesA(folder.File("cmd-log.txt").c_str()), INVALID_FILE_ATTRIBUTES)
        << "a command was started";
}

TEST_F(PortActionWineTest, FailedAddCommandGivesTheErrorBoxAndNotTheConfirmation) {
    TestFolder folder(true);
    WriteFileBytes(folder.File("cmd-exit-code.txt"), "1");
    FakeGame game(folder);
    Program program(folder);
    ClickMainButton(program);
    const HWND box = WaitForMessageBox(program);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), kErrorTitle);
    EXPECT_NE(BoxText(box).find("退出代码 1"), std::string::npos) << BoxText(box);
    EXPECT_NE(BoxText(box).find("管理员"), std::string::npos) << BoxText(box);
    EXPECT_EQ(folder.CmdRecords().size(), 1u);
    CloseMessageBox(box);
}

// Through the system's cmd and the stand-in netsh.
TEST_F(PortActionWineTest, BlockThenReleaseLeavesTheStandInFirewallAsItWas) {
    const std::string state = Paths().standin + "\\firewall-state.txt";
    const std::string notAdmin = Paths().standin + "\\not-admin";
    WriteFileBytes(state, "state\ton\n");
    DeleteFileA(notAdmin.c_str());
    TestFolder folder(false);
    Program program(folder);
    {
        FakeGame game(folder);
        SetPort(program, "27015");
        ClickMainButton(program);
        const HWND box = WaitForMessageBox(program, 20000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box), kConfirmation);
        EXPECT_EQ(ReadFileBytes(state), "state\ton\nrule\t" + kRuleName + "\tout\tblock\ttcp\t27015\n");
        CloseMessageBox(box);
    }
    ClickMainButton(program);
    const HWND box = WaitForMessageBox(program);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), kNotRunning);
    CloseMessageBox(box);
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(state) == "state\ton\n"; }, 20000)) << ReadFileBytes(state);

    // Without administrator rights the firewall refuses the rule, and the user is told so.
    WriteFileBytes(notAdmin, "");
    FakeGame game(folder);
    ClickMainButton(program);
    const HWND refused = WaitForMessageBox(program, 20000);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(TextOf(refused), kErrorTitle);
    EXPECT_NE(BoxText(refused).find("退出代码 1"), std::string::npos) << BoxText(refused);
    CloseMessageBox(refused);
    DeleteFileA(notAdmin.c_str());
    EXPECT_EQ(ReadFileBytes(state), "state\ton\n");
}

}  // namespace
