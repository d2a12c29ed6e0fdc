// Focus and keys in the main window, typed as real key presses into the foreground window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"

namespace {

class KeyboardTest : public testing::Test {
  protected:
    void SetUp() override { BringToFront(program_.Main()); }

    HWND Control(const char* name) { return FindControl(program_.Main(), name); }
    HWND Focus() { return FocusOf(program_); }

    TestFolder folder_{true};
    Program program_{folder_};
};

TEST_F(KeyboardTest, FocusStartsOnTheMainButton) {
    EXPECT_EQ(Focus(), Control("按钮1"));
}

TEST_F(KeyboardTest, TabAndShiftTabWalkTheFocusOrderAround) {
    for (const char* name : {"编辑框1", "按钮2", "按钮3", "编辑框2", "按钮1"}) {
        PressKey(VK_TAB);
        EXPECT_EQ(Focus(), Control(name)) << "Tab to " << name;
    }
    for (const char* name : {"编辑框2", "按钮3", "按钮2", "编辑框1", "按钮1", "编辑框2"}) {
        PressKey(VK_TAB, {VK_SHIFT});
        EXPECT_EQ(Focus(), Control(name)) << "Shift+Tab to " << name;
    }
}

// Ctrl+Tab moves nothing and types nothing; Enter clicks nothing, as no button is a default button.
TEST_F(KeyboardTest, CtrlTabAndEnterDoNothing) {
    PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(Focus(), Control("按钮1"));
    PressKey(VK_TAB);
    ASSERT_EQ(Focus(), Control("编辑框1"));
    PressKey(VK_TAB, {VK_CONTROL});
    PressKey(VK_RETURN);
    EXPECT_EQ(Focus(), Control("编辑框1"));
    EXPECT_EQ(TextOf(Control("编辑框1")), "Tarnwick.exe");
    PressKey(VK_TAB);
    ASSERT_EQ(Focus(), Control("按钮2"));
    PressKey(VK_RETURN);
    Sleep(1000);
    EXPECT_TRUE(folder_.CmdRecords().empty()) << "Enter started a command";
}

TEST_F(KeyboardTest, SpaceClicksTheFocusedButton) {
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_EQ(Focus(), Control("按钮2"));
    PressKey(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return folder_.CmdRecords().size() == 1; }));
    EXPECT_EQ(folder_.CmdRecords()[0].commandLine, "cmd /c netsh advfirewall set allprofiles state on");
}

TEST_F(KeyboardTest, SpaceRightAfterStartRunsTheMainButton) {
    ASSERT_EQ(Focus(), Control("按钮1"));
    PressKey(VK_SPACE);
    const HWND box = WaitForMessageBox(program_);
    ASSERT_NE(box, nullptr) << "no box: the port action did not run";
    EXPECT_EQ(TextOf(box), "~>_<~ ");
    CloseMessageBox(box);
}

TEST_F(KeyboardTest, FocusComesBackAfterAnotherWindowWasActive) {
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_EQ(Focus(), Control("编辑框2"));
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    BringToFront(other);
    ASSERT_EQ(GetForegroundWindow(), other);
    BringToFront(program_.Main());
    EXPECT_TRUE(WaitUntil([&] { return Focus() == Control("编辑框2"); }, 3000));
    DestroyWindow(other);
}

// Every way of closing ends the process with exit code 0.
class ClosingTest : public testing::Test {};

TEST_F(ClosingTest, EveryWayOfClosingEndsWithCodeZero) {
    struct Way {
        const char* context;
        int tabsBefore;  // Tab presses from 按钮1 before closing
        void (*close)(HWND main);
    };
    const Way ways[] = {
        {"Esc on 按钮1", 0, [](HWND) { PressKey(VK_ESCAPE); }},
        {"Esc in 编辑框1", 1, [](HWND) { PressKey(VK_ESCAPE); }},
        {"Esc in 编辑框2", 4, [](HWND) { PressKey(VK_ESCAPE); }},
        {"Alt+F4", 0, [](HWND) { PressKey(VK_F4, {VK_MENU}); }},
        {"Close in the system menu", 0, [](HWND main) { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"close button", 0,
         [](HWND main) {
             RECT rect{};
             GetWindowRect(main, &rect);
             // The close button is the right-most thing on the caption that answers HTCLOSE.
             for (int x = rect.right - 2; x > rect.right - 60; --x) {
                 const int y = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
                 if (SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                     ClickAt(POINT{x - 3, y});
                     return;
                 }
             }
             ADD_FAILURE() << "no close button on the caption";
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.context);
        TestFolder folder(false);
        Program program(folder);
        BringToFront(program.Main());
        for (int i = 0; i < way.tabsBefore; ++i) {
            PressKey(VK_TAB);
        }
        way.close(program.Main());
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
}

TEST_F(ClosingTest, EscWithShiftOrCtrlDoesNotClose) {
    TestFolder folder(false);
    Program program(folder);
    BringToFront(program.Main());
    PressKey(VK_ESCAPE, {VK_SHIFT});
    PressKey(VK_ESCAPE, {VK_CONTROL});
    EXPECT_EQ(program.WaitForExit(500), STILL_ACTIVE);
    EXPECT_TRUE(IsWindowVisible(program.Main()));
}

}  // namespace
