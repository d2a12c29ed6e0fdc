#include "app/MainWindow.h"

#include <commctrl.h>

#include "actions/FirewallSwitches.h"
#include "actions/PortAction.h"
#include "app/ControlFont.h"
#include "app/Hooks.h"
#include "app/Hyperlink.h"
#include "app/Keyboard.h"
#include "app/resource.h"

namespace {

constexpr char kMainWindowClassName[] = "PortguardMain";
constexpr COLORREF kLabelTextColour = RGB(0, 0, 0);
constexpr UINT_PTR kGroupBoxSubclassId = 1;

MainWindow* StateOf(HWND window) {
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Centred on the primary screen (not the work area). The division truncates toward zero and nothing
// is clamped, so a screen smaller than the window puts it partly off screen.
POINT CentredPosition() {
    return POINT{(GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2};
}

// Not shared: a shared icon keeps the size of its first load, and the two sizes come from one group.
ScopedIcon LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return ScopedIcon(static_cast<HICON>(LoadImageA(instance, kProgramIconName, IMAGE_ICON,
                                                    GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0)));
}

// The group box is the parent of six controls; their notifications go on to the main window, so a
// click on 按钮2 reaches its action like a click on 按钮3 and the labels in the box get their colours.
// The main window clips its children, so the box paints its own face; the system's group box would
// leave everything inside its frame unpainted.
LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return SendMessageA(GetParent(window), message, wParam, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, GroupBoxProc, kGroupBoxSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

HWND CreateControl(HINSTANCE instance, const MainWindow& main, const ControlEntry& entry) {
    const HWND parent = entry.parent == ControlParent::GroupBox ? main[Control::分组框1] : main.window;
    const HWND control = CreateWindowExA(
        0, KindOf(entry.kind).className, entry.text, WS_CHILD | WS_CLIPSIBLINGS | KindOf(entry.kind).style, entry.x,
        entry.y, entry.width, entry.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(entry.name))), instance, nullptr);
    if (control == nullptr) {
        return nullptr;
    }
    const HFONT font =
        entry.font == ControlFont::F ? main.controlFont.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (entry.kind == ControlKind::Edit) {
        SendMessageA(control, EM_SETSEL, 0, 0);  // caret before the first character, nothing selected
    }
    return control;
}

// Created in reverse table order, the group box first so that its children have their parent. Each
// new window goes on top of its siblings, which already stacks them in table order; the explicit
// stacking below keeps that true whatever the system does.
bool CreateControls(HINSTANCE instance, MainWindow& main) {
    for (std::size_t i = kControls.size(); i-- > 0;) {
        main.controls[i] = CreateControl(instance, main, kControls[i]);
        if (main.controls[i] == nullptr) {
            return false;
        }
    }
    if (!SetWindowSubclass(main[Control::分组框1], GroupBoxProc, kGroupBoxSubclassId, 0)) {
        return false;
    }
    for (const ControlParent parent : {ControlParent::MainWindow, ControlParent::GroupBox}) {
        HWND above = HWND_TOP;
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            if (kControls[i].parent == parent) {
                SetWindowPos(main.controls[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                above = main.controls[i];
            }
        }
    }
    for (const HWND control : main.controls) {
        ShowWindow(control, SW_SHOWNA);
    }
    return true;
}

// The current text of an edit box, exactly as shown; a new text on every read.
Text WindowText(HWND window) {
    Text text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void OnCommand(const MainWindow& main, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    switch (LOWORD(wParam)) {
    case ControlId(Control::按钮1):
        BlockOrReleaseGamePort(
            {[&] { return WindowText(main[Control::编辑框1]); }, [&] { return WindowText(main[Control::编辑框2]); }});
        break;
    case ControlId(Control::按钮2):
        TurnFirewallOn();
        break;
    case ControlId(Control::按钮3):
        TurnFirewallOff();
        break;
    default:
        break;
    }
}

// Labels and the group box are drawn on the window's face colour, with black text.
LRESULT OnControlColourStatic(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLabelTextColour);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The focus goes back to the control that had it when the window was last active.
void OnActivate(MainWindow& main, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(main.window, focus)) {
            main.lastFocus = focus;
        }
        return;
    }
    const bool lastFocusUsable = main.lastFocus != nullptr && IsChild(main.window, main.lastFocus) &&
                                 IsWindowVisible(main.lastFocus) && IsWindowEnabled(main.lastFocus);
    SetFocus(lastFocusUsable ? main.lastFocus : FirstFocusStop(main));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* main = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        main->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(main));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    MainWindow* main = StateOf(window);
    if (main == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_COMMAND:
        OnCommand(*main, wParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnControlColourStatic(reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
        OnActivate(*main, wParam);
        return 0;
    case WM_SETFOCUS:
        OnActivate(*main, WA_ACTIVE);
        return 0;
    case WM_SETFONT:
        main->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(main->font);
    case WM_DESTROY:
        if (main->quitOnDestroy) {
            PostQuitMessage(0);
        }
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        main->window = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClassName;
    return RegisterClassExA(&windowClass) != 0 && RegisterHyperlinkClass(instance);
}

bool BuildMainWindow(HINSTANCE instance, MainWindow& main) {
    const POINT position = CentredPosition();
    const HWND window =
        CreateWindowExA(0, kMainWindowClassName, kMainWindowTitle, kMainWindowStyle, position.x, position.y,
                        kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, &main);
    if (window == nullptr) {
        return false;
    }
    RECT outer{};
    GetWindowRect(window, &outer);
    if (outer.right - outer.left != kMainWindowWidth || outer.bottom - outer.top != kMainWindowHeight) {
        SetWindowPos(window, nullptr, position.x, position.y, kMainWindowWidth, kMainWindowHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    main.bigIcon = LoadProgramIcon(instance, SM_CXICON, SM_CYICON);
    main.smallIcon = LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(main.bigIcon.Get()));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(main.smallIcon.Get()));

    main.controlFont = CreateControlFont();
    if (!main.controlFont.IsValid() || !CreateControls(instance, main)) {
        DestroyWindow(window);
        return false;
    }
    OnMainWindowCreated();
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return true;
}
