// The main window and its eleven controls, described once. Everything that builds the window reads
// these tables; no layout fact is written anywhere else.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "app/Forum.h"

inline constexpr char kMainWindowTitle[] = "Varnholt 美端防偷拍程序";
inline constexpr int kMainWindowWidth = 371;
inline constexpr int kMainWindowHeight = 250;
// Fixed frame with a minimise box: the window can be moved and minimised, never resized or maximised.
inline constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// In the order of the table below, which is also the stacking order (first on top).
enum class Control : std::size_t {
    标签4,
    编辑框2,
    标签3,
    按钮3,
    按钮2,
    超级链接框1,
    标签2,
    标签1,
    编辑框1,
    按钮1,
    分组框1,
};
inline constexpr std::size_t kControlCount = 11;

enum class ControlKind { Label, HelpText, Edit, Button, GroupBox, Hyperlink };
enum class ControlFont { F, Gui };
enum class ControlParent { MainWindow, GroupBox };

struct ControlEntry {
    Control name;
    ControlKind kind;
    ControlParent parent;
    int x, y, width, height;  // in the parent's client area
    const char* text;
    ControlFont font;
};

inline constexpr char kHelpText[] =
    "帮助:需要系统防火墙开启状态，需要先启动游戏，不要输入账号进入游戏。(防止偷拍你个人隐私和获取电脑所有QQ号码)";

// clang-format off
inline constexpr std::array<ControlEntry, kControlCount> kControls = {{
    {Control::标签4,      ControlKind::Label,     ControlParent::GroupBox,   192,  62,  32,  24, "端口:",                 ControlFont::F},
    {Control::编辑框2,    ControlKind::Edit,      ControlParent::GroupBox,   232,  56,  80,  33, "8888",                  ControlFont::F},
    {Control::标签3,      ControlKind::Label,     ControlParent::GroupBox,   185, 169, 160,  24, "以管理员方式运行本程序", ControlFont::F},
    {Control::按钮3,      ControlKind::Button,    ControlParent::MainWindow,  24, 145,  88,  16, "关闭防火墙",             ControlFont::F},
    {Control::按钮2,      ControlKind::Button,    ControlParent::GroupBox,    20, 115,  88,  16, "开启防火墙",             ControlFont::F},
    {Control::超级链接框1, ControlKind::Hyperlink, ControlParent::GroupBox,    12, 171, 152,  24, kForumCaption.data(),    ControlFont::F},
    {Control::标签2,      ControlKind::HelpText,  ControlParent::GroupBox,    14,  21, 334,  40, kHelpText,               ControlFont::Gui},
    {Control::标签1,      ControlKind::Label,     ControlParent::MainWindow,  17,  70,  80,  24, "游戏进程名称:",          ControlFont::F},
    {Control::编辑框1,    ControlKind::Edit,      ControlParent::MainWindow, 104,  63,  80,  33, "Tarnwick.exe",          ControlFont::Gui},
    {Control::按钮1,      ControlKind::Button,    ControlParent::MainWindow, 128, 113, 192,  47, "禁止偷拍",               ControlFont::F},
    {Control::分组框1,    ControlKind::GroupBox,  ControlParent::MainWindow,   4,   5, 356, 203, "",                      ControlFont::F},
}};
// clang-format on

inline constexpr const char kHyperlinkClassName[] = "PortguardHyperlink";

struct KindClass {
    const char* className;
    DWORD style;  // besides WS_CHILD and WS_CLIPSIBLINGS, which every control has
};

// Labels are one line, vertically centred; the help text wraps at word boundaries from the top left.
// No button is a default button, so Enter clicks nothing.
inline constexpr std::array<KindClass, 6> kKinds = {{
    /* Label */ {"STATIC", SS_LEFT | SS_CENTERIMAGE},
    /* HelpText */ {"STATIC", SS_LEFT},
    /* Edit */ {"EDIT", WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL},
    /* Button */ {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER},
    /* GroupBox */ {"BUTTON", BS_GROUPBOX},
    /* Hyperlink */ {kHyperlinkClassName, 0},
}};

constexpr const KindClass& KindOf(ControlKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

// Control ids are the table index plus a base, so that a WM_COMMAND names its control directly.
inline constexpr int kFirstControlId = 1001;

constexpr int ControlId(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

constexpr bool TableIsInControlOrder() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (static_cast<std::size_t>(kControls[i].name) != i) {
            return false;
        }
    }
    return true;
}
static_assert(TableIsInControlOrder(), "kControls must list the controls in the order of enum Control");
