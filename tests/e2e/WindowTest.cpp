// The main window as it opens: place, size, frame, colours, fonts, icons and every control.
#include <gtest/gtest.h>

#include <string>

#include "ExpectedWindow.h"
#include "Harness.h"

namespace {

// The test screen is 1366 x 768: (1366 - 371) / 2 drops the half pixel.
constexpr RECT kExpectedWindowRect = {497, 259, 497 + 371, 259 + 250};

std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char value : bytes) {
        hex += kDigits[value >> 4];
        hex += kDigits[value & 0x0f];
        hex += ' ';
    }
    return hex;
}

class MainWindowTest : public testing::Test {
  protected:
    TestFolder folder_{false};
    Program program_{folder_};
};

TEST_F(MainWindowTest, OpensCentredWithItsTitleAndFixedFrame) {
    const HWND main = program_.Main();
    ASSERT_NE(main, nullptr);
    RECT rect{};
    GetWindowRect(main, &rect);
    EXPECT_EQ(rect.left, kExpectedWindowRect.left);
    EXPECT_EQ(rect.top, kExpectedWindowRect.top);
    EXPECT_EQ(rect.right - rect.left, 371);
    EXPECT_EQ(rect.bottom - rect.top, 250);

    // "Varnholt 美端防偷拍程序" in code page 936.
    EXPECT_EQ(Hex(TextOf(main)), Hex("Varnholt \xc3\xc0\xb6\xcb\xb7\xc0\xcd\xb5\xc5\xc4\xb3\xcc\xd0\xf2"));

    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD), 0);
    // Windows adds the window edge to every captioned window; nothing else may be there.
    EXPECT_EQ(GetWindowLongA(main, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(main), nullptr);
}

// Brushes, fonts, icons and cursors are objects of the program's own process, so the probe hook
// reads them from inside it.
TEST_F(MainWindowTest, FaceColourFontIconsAndPointersSeenFromInside) {
    const std::string report = ProbeReport(program_, folder_);
    EXPECT_EQ(ReportValue(report, "background", "background"), std::to_string(COLOR_BTNFACE + 1));
    EXPECT_EQ(ReportValue(report, "bigicon", "bigicon"), "w=32 h=32 hotspot=16,16 mono=0");
    EXPECT_EQ(ReportValue(report, "smallicon", "smallicon"), "w=16 h=16 hotspot=8,8 mono=0");
    EXPECT_EQ(ReportValue(report, "main", "font"), "gui");
    EXPECT_EQ(ReportValue(report, "main", "cursor"), "arrow");

    const std::string fontF =
        "h=-12 w=0 weight=400 italic=0 underline=0 strike=0 charset=1 out=0 clip=0 "
        "quality=2 pitch=0 face=cea2c8edd1c5bada";  // 微软雅黑
    const auto expectControls = [&](const ExpectedControl* controls, size_t count, const std::string& parent) {
        for (size_t i = 0; i < count; ++i) {
            const std::string path = parent + "/" + std::to_string(i);
            SCOPED_TRACE(controls[i].name);
            EXPECT_EQ(ReportValue(report, path, "font"), controls[i].controlFont ? fontF : "gui");
            const std::string className = controls[i].className;
            const char* pointer = className == "Edit" ? "ibeam" : className == "PortguardHyperlink" ? "own" : "arrow";
            EXPECT_EQ(ReportValue(report, path, "cursor"), pointer);
        }
    };
    expectControls(kMainChildren, std::size(kMainChildren), "main");
    expectControls(kGroupBoxChildren, std::size(kGroupBoxChildren), "main/4");
    // The hand over the hyperlink box: 32 x 32, one bit per pixel, pointing at (6, 1).
    EXPECT_EQ(ReportValue(report, "main/4/4", "cursorimage"), "w=32 h=32 hotspot=6,1 mono=1");
}

TEST_F(MainWindowTest, FrameCannotBeResizedOrMaximised) {
    const HWND main = program_.Main();
    RECT before{};
    GetWindowRect(main, &before);
    // Every point of the frame answers as plain border, never as a sizing edge.
    const POINT edges[] = {{before.left, (before.top + before.bottom) / 2},
                           {before.right - 1, (before.top + before.bottom) / 2},
                           {(before.left + before.right) / 2, before.bottom - 1},
                           {before.right - 1, before.bottom - 1}};
    for (const POINT edge : edges) {
        const LRESULT hit = SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y));
        EXPECT_TRUE(hit < HTSIZEFIRST || hit > HTSIZELAST) << "hit test " << hit << " at " << edge.x << "," << edge.y;
    }
    // A double click on the caption does not maximise.
    const POINT caption = {before.left + 120, before.top + GetSystemMetrics(SM_CYFRAME) + 6};
    ASSERT_EQ(SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    ClickAt(caption);
    ClickAt(caption);
    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(IsZoomed(main));
}

void ExpectControls(HWND parent, const ExpectedControl* expected, size_t count) {
    const std::vector<HWND> children = ChildrenInStackingOrder(parent);
    ASSERT_EQ(children.size(), count) << "children of " << ClassOf(parent);
    for (size_t i = 0; i < count; ++i) {
        const ExpectedControl& want = expected[i];
        const HWND child = children[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(ClassOf(child), want.className);
        const RECT rect = RectInParent(child);
        EXPECT_TRUE(EqualRect(&rect, &want.rect))
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        EXPECT_EQ(Hex(TextOf(child)), Hex(want.text));
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), want.style);
        // No 3-D edge on any control.
        EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
        EXPECT_TRUE(IsWindowEnabled(child));
    }
}

// Stacking within each parent follows the description order; the four controls that lie inside the
// box's area but belong to the main window are stacked above it.
TEST_F(MainWindowTest, HasElevenControlsWithTheirParentsPlacesTextsFontsAndStyles) {
    const HWND main = program_.Main();
    ExpectControls(main, kMainChildren, std::size(kMainChildren));
    ExpectControls(GroupBox(main), kGroupBoxChildren, std::size(kGroupBoxChildren));
}

TEST_F(MainWindowTest, EditBoxesStartWithTheCaretBeforeTheFirstCharacter) {
    for (const char* name : {"编辑框1", "编辑框2"}) {
        const HWND edit = FindControl(program_.Main(), name);
        ASSERT_NE(edit, nullptr);
        DWORD start = 1, end = 1;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << name;
        EXPECT_EQ(end, 0u) << name;
    }
}

}  // namespace
