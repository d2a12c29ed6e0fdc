// Long use, very long texts and faults: the program must neither grow nor break.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Harness.h"

namespace {

constexpr int kSwitchClicks = 200;
constexpr int kBlockReleaseCycles = 50;
constexpr int kLeakTolerance = 2;

// BM_CLICK goes through the button as a click does and returns once the action has returned.
void Click(const Program& program, const char* button) {
    SendMessageA(FindControl(program.Main(), button), BM_CLICK, 0, 0);
}

// Clicks 按钮1 without waiting for the action, which stays inside it while its box is open.
void PostClick(const Program& program, const char* button) {
    PostMessageA(FindControl(program.Main(), button), BM_CLICK, 0, 0);
}

// A click on the main button that must end in a box with the given title; the box is closed.
void ClickAndCloseBox(const Program& program, const char* expectedTitle) {
    PostClick(program, "按钮1");
    const HWND box = WaitForMessageBox(program, 20000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), expectedTitle);
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
}

bool Answers(const Program& program) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(program.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) != 0;
}

TEST(RobustnessTest, HundredsOfClicksLeaveHandlesGdiAndUserObjectsWhereTheyWere) {
    TestFolder folder(true);
    Program program(folder);
    const auto cycle = [&] {
        FakeGame game(folder);
        ClickAndCloseBox(program, "\xd0\xc5\xcf\xa2\xa3\xba");  // 信息：
        game.End();
        ClickAndCloseBox(program, "~>_<~ ");
    };
    // One round of everything first, so that what the system sets up once is in the baseline.
    Click(program, "按钮2");
    Click(program, "按钮3");
    cycle();
    CountResources(program, folder);
    const ResourceCounts before = CountResources(program, folder);

    for (int i = 0; i < kSwitchClicks; ++i) {
        Click(program, "按钮2");
        Click(program, "按钮3");
    }
    for (int i = 0; i < kBlockReleaseCycles; ++i) {
        cycle();
    }
    const size_t expected = 2u + 2u * (kSwitchClicks + kBlockReleaseCycles + 1u);
    const bool allStarted = WaitUntil([&] { return folder.CmdRecords().size() == expected; });
    if (!allStarted) {
        std::map<std::string, int> started;
        for (const FixtureRecord& record : folder.CmdRecords()) {
            ++started[record.commandLine];
        }
        for (const auto& [commandLine, count] : started) {
            std::printf("%5d x %s\n", count, commandLine.c_str());
        }
    }
    ASSERT_TRUE(allStarted) << folder.CmdRecords().size() << " of " << expected << " commands were recorded";

    const ResourceCounts after = CountResources(program, folder);
    EXPECT_GE(before.kernelHandles, 0);
    EXPECT_GE(before.gdiObjects, 0);
    EXPECT_NEAR(after.kernelHandles, before.kernelHandles, kLeakTolerance);
    EXPECT_NEAR(after.gdiObjects, before.gdiObjects, kLeakTolerance);
    EXPECT_NEAR(after.windows, before.windows, kLeakTolerance);
    std::printf("kernel handles %d -> %d, GDI objects %d -> %d, windows %d -> %d\n", before.kernelHandles,
                after.kernelHandles, before.gdiObjects, after.gdiObjects, before.windows, after.windows);
    EXPECT_TRUE(Answers(program));
}

TEST(RobustnessTest, ThirtyThousandCharacterTextsAreRefusedWithoutHarm) {
    TestFolder folder(true);
    Program program(folder);
    const std::string longText(30000, '8');
    for (const char* box : {"编辑框1", "编辑框2"}) {
        SendMessageA(FindControl(program.Main(), box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longText.c_str()));
        ASSERT_EQ(SendMessageA(FindControl(program.Main(), box), WM_GETTEXTLENGTH, 0, 0), 30000) << box;
    }
    // A name of 30,000 bytes runs nowhere: the release path, and its delete command.
    ClickAndCloseBox(program, "~>_<~ ");
    ASSERT_TRUE(WaitUntil([&] { return folder.CmdRecords().size() == 1; }));

    // With the game running, the 30,000-digit port is refused and nothing is started.
    FakeGame game(folder);
    SendMessageA(FindControl(program.Main(), "编辑框1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Tarnwick.exe"));
    ClickAndCloseBox(program, "错误：");
    Sleep(500);
    EXPECT_EQ(folder.CmdRecords().size(), 1u);
    EXPECT_TRUE(Answers(program));
    EXPECT_EQ(program.WaitForExit(0), STILL_ACTIVE);
}

TEST(RobustnessTest, WithoutAStartableCmdTheBlockPathSaysSoAndTheRestStaysQuiet) {
    TestFolder folder(false);
    WriteFileBytes(folder.File("cmd.exe"), "");  // found first, and cannot be started
    Program program(folder);
    {
        FakeGame game(folder);
        PostClick(program, "按钮1");
        const HWND box = WaitForMessageBox(program);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(box), "错误：");
        EXPECT_NE(BoxText(box).find("无法启动"), std::string::npos) << BoxText(box);
        CloseMessageBox(box);
    }
    ClickAndCloseBox(program, "~>_<~ ");
    Click(program, "按钮2");
    Click(program, "按钮3");
    Sleep(500);
    EXPECT_TRUE(program.TopLevelWindows("#32770").empty());
    EXPECT_TRUE(Answers(program));
}

// The add command never ends in time: the window keeps painting and answering meanwhile, clicks
// made during the wait are dropped, and after the bound the user learns that the result is unknown.
TEST(RobustnessTest, CommandThatDoesNotEndGivesTheTimeOutBoxAndLeavesTheWindowUsable) {
    TestFolder folder(true);
    WriteFileBytes(folder.File("cmd-sleep-ms.txt"), "25000");
    FakeGame game(folder);
    Program program(folder);
    BringToFront(program.Main());
    const DWORD start = GetTickCount();
    PostClick(program, "按钮1");
    ASSERT_TRUE(WaitUntil([&] { return folder.CmdRecords().size() == 1; }));
    Sleep(6000);  // past the five seconds after which a window that takes no messages counts as hung
    EXPECT_FALSE(IsHungAppWindow(program.Main()));
    EXPECT_TRUE(Answers(program));
    ClickAt(CentreOf(FindControl(program.Main(), "按钮2")));  // dropped, not replayed later

    const HWND box = WaitForMessageBox(program, 20000);
    ASSERT_NE(box, nullptr);
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 15000u);
    EXPECT_LT(waited, 19000u);
    EXPECT_EQ(TextOf(box), "错误：");
    EXPECT_NE(BoxText(box).find("15 秒"), std::string::npos) << BoxText(box);
    CloseMessageBox(box);
    Sleep(1000);
    EXPECT_EQ(folder.CmdRecords().size(), 1u) << "the click made during the wait was replayed";
    BringToFront(program.Main());
    PressKey(VK_TAB);
    EXPECT_EQ(FocusOf(program), FindControl(program.Main(), "编辑框1"));
}

}  // namespace
