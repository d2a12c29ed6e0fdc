// The main window as a user must find it, written down apart from the product's own tables so that a
// slip in either shows up as a failure.
#pragma once

#include <windows.h>

#include <cstring>

struct ExpectedControl {
    const char* name;
    bool inGroupBox;
    const char* className;
    RECT rect;  // left, top, right, bottom in the parent's client area
    const char* text;
    bool controlFont;  // font F; otherwise DEFAULT_GUI_FONT
    DWORD style;       // the full window style, WS_VISIBLE included
};

inline constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
inline constexpr DWORD kLabelStyle = kChild | SS_LEFT | SS_CENTERIMAGE;
// The edit control takes WS_BORDER out of its style and draws the one-pixel border itself.
inline constexpr DWORD kEditStyle = kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
inline constexpr DWORD kButtonStyle = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;

inline constexpr char kHelp[] =
    "帮助:需要系统防火墙开启状态，需要先启动游戏，不要输入账号进入游戏。(防止偷拍你个人隐私和获取电脑所有QQ号码)";

// In stacking order within each parent, top first.
inline constexpr ExpectedControl kMainChildren[] = {
    {"按钮3", false, "Button", {24, 145, 112, 161}, "关闭防火墙", true, kButtonStyle},
    {"标签1", false, "Static", {17, 70, 97, 94}, "游戏进程名称:", true, kLabelStyle},
    {"编辑框1", false, "Edit", {104, 63, 184, 96}, "Tarnwick.exe", false, kEditStyle},
    {"按钮1", false, "Button", {128, 113, 320, 160}, "禁止偷拍", true, kButtonStyle},
    {"分组框1", false, "Button", {4, 5, 360, 208}, "", true, kChild | BS_GROUPBOX},
};
inline constexpr ExpectedControl kGroupBoxChildren[] = {
    {"标签4", true, "Static", {192, 62, 224, 86}, "端口:", true, kLabelStyle},
    {"编辑框2", true, "Edit", {232, 56, 312, 89}, "8888", true, kEditStyle},
    {"标签3", true, "Static", {185, 169, 345, 193}, "以管理员方式运行本程序", true, kLabelStyle},
    {"按钮2", true, "Button", {20, 115, 108, 131}, "开启防火墙", true, kButtonStyle},
    {"超级链接框1", true, "PortguardHyperlink", {12, 171, 164, 195}, "官网：varnholt.example", true, kChild},
    {"标签2", true, "Static", {14, 21, 348, 61}, kHelp, false, kChild | SS_LEFT},
};

inline const ExpectedControl* ExpectedByName(const char* name) {
    for (const ExpectedControl& control : kMainChildren) {
        if (std::strcmp(control.name, name) == 0) {
            return &control;
        }
    }
    for (const ExpectedControl& control : kGroupBoxChildren) {
        if (std::strcmp(control.name, name) == 0) {
            return &control;
        }
    }
    return nullptr;
}
