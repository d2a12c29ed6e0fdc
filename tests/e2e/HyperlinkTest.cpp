// The hyperlink box: its colours on screen, the mouse capture, and the address it opens. The web
// handlers of the test prefix are pointed at a recorder for the length of each test.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "Harness.h"

namespace {

constexpr COLORREF kNormal = RGB(0, 0, 255);
constexpr COLORREF kHover = RGB(0, 120, 215);
constexpr COLORREF kVisited = RGB(128, 0, 0);
constexpr char kAddress[] = "http://varnholt.example";
// A web handler that cannot start, so that the shell answers with an error.
constexpr char kMissingProgram[] = "\"C:\\nowhere\\missing.exe\" %1";

// The colours that appear in a window's area on screen.
std::set<COLORREF> ColoursOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    std::set<COLORREF> colours;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD p = pixels[i];
        colours.insert(RGB((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colours;
}

// Only one of the three link colours is on screen, and it is the expected one.
bool ShowsOnly(HWND link, COLORREF expected) {
    const std::set<COLORREF> colours = ColoursOf(link);
    for (const COLORREF colour : {kNormal, kHover, kVisited}) {
        if ((colours.count(colour) != 0) != (colour == expected)) {
            return false;
        }
    }
    return true;
}

// Sets a registry default value for the test and puts the old one (or its absence) back afterwards.
class RegistryValue {
  public:
    RegistryValue(const std::string& key, const char* value) : key_(key) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
            char old[1024] = {};
            DWORD size = sizeof(old);
            existed_ = RegQueryValueExA(handle, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
                       ERROR_SUCCESS;
            old_ = old;
            RegCloseKey(handle);
        }
        Set(value);
    }
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;
    ~RegistryValue() { Set(existed_ ? old_.c_str() : nullptr); }

  private:
    void Set(const char* value) {
        if (value == nullptr) {
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str());
            return;
        }
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
        RegCloseKey(handle);
    }

    std::string key_;
    std::string old_;
    bool existed_ = false;
};

class HyperlinkTest : public testing::Test {
  protected:
    void SetUp() override {
        link_ = FindControl(program_.Main(), "超级链接框1");
        ASSERT_NE(link_, nullptr);
        BringToFront(program_.Main());
    }

    std::string Recorder() const { return "\"" + Paths().fixtures + "\\browser.exe\" %1"; }
    std::vector<FixtureRecord> Opened() const { return ReadRecords(Paths().fixtures + "\\browser-log.txt"); }
    void ClearOpened() const { DeleteFileA((Paths().fixtures + "\\browser-log.txt").c_str()); }
    POINT Away() const {
        const POINT centre = CentreOf(program_.Main());
        return POINT{centre.x, centre.y - 100};  // over the help text
    }

    // A press opens the forum with the recorder, the address as its last argument, and the link shows
    // as visited once the pointer has left.
    void ExpectPressOpensTheForum() const {
        ClickAt(CentreOf(link_));
        ASSERT_TRUE(WaitUntil([&] { return Opened().size() == 1; }));
        const std::string opened = Opened()[0].commandLine;
        EXPECT_EQ(opened.substr(opened.size() - std::strlen(kAddress)), kAddress) << opened;
        MoveMouseTo(Away());
        EXPECT_TRUE(WaitUntil([&] { return ShowsOnly(link_, kVisited); }, 3000));
    }

    TestFolder folder_{false};
    Program program_{folder_};
    HWND link_ = nullptr;
};

TEST_F(HyperlinkTest, HoverCapturesTheMouseAndChangesTheColourUntilThePointerLeaves) {
    MoveMouseTo(Away());
    EXPECT_TRUE(WaitUntil([&] { return ShowsOnly(link_, kNormal); }, 3000));
    MoveMouseTo(CentreOf(link_));
    EXPECT_TRUE(WaitUntil([&] { return CaptureOf(program_) == link_; }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return ShowsOnly(link_, kHover); }, 3000));
    MoveMouseTo(Away());
    EXPECT_TRUE(WaitUntil([&] { return CaptureOf(program_) == nullptr; }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return ShowsOnly(link_, kNormal); }, 3000));
}

TEST_F(HyperlinkTest, PressOpensTheForumAndMarksTheLinkVisited) {
    ClearOpened();
    RegistryValue http("http\\shell\\open\\command", Recorder().c_str());
    ExpectPressOpensTheForum();
}

TEST_F(HyperlinkTest, WithoutAWebHandlerTheHtmProgramOpensTheAddress) {
    ClearOpened();
    RegistryValue http("http\\shell\\open\\command", kMissingProgram);
    RegistryValue htm(".htm", "portguardtestpage");
    RegistryValue page("portguardtestpage\\shell\\open\\command", Recorder().c_str());
    ExpectPressOpensTheForum();
}

TEST_F(HyperlinkTest, PressThatOpensNothingClearsTheVisitedMark) {
    ClearOpened();
    {
        RegistryValue http("http\\shell\\open\\command", Recorder().c_str());
        ExpectPressOpensTheForum();
    }
    RegistryValue http("http\\shell\\open\\command", kMissingProgram);
    RegistryValue htm(".htm", "portguardnothing");
    ClickAt(CentreOf(link_));
    MoveMouseTo(Away());
    EXPECT_TRUE(WaitUntil([&] { return ShowsOnly(link_, kNormal); }, 3000));
    EXPECT_EQ(Opened().size(), 1u);
}

}  // namespace
