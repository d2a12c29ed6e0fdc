#include "app/Hyperlink.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <memory>
#include <string>

#include "app/Controls.h"
#include "app/ScopedGdi.h"
#include "app/resource.h"

namespace {

struct HyperlinkState {
    HFONT font = nullptr;
    bool hover = false;
    bool visited = false;
};

HyperlinkState* StateOf(HWND window) {
    return reinterpret_cast<HyperlinkState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

COLORREF CaptionColour(const HyperlinkState& state) {
    if (state.hover) {
        return kLinkHoverColour;
    }
    return state.visited ? kLinkVisitedColour : kLinkColour;
}

// The shell's libraries are loaded when the link is first pressed, not at start-up: loading them and
// all they bring in made the window take about a tenth longer to appear. They are loaded from the
// system folder by full path, so that a DLL of that name beside the program is never picked up.
template <typename Function>
Function ShellFunction(const char* library, const char* name) {
    std::string path(MAX_PATH, '\0');
    const UINT length = GetSystemDirectoryA(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    path.resize(length);
    path += '\\';
    path += library;
    const HMODULE module = LoadLibraryA(path.c_str());
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// ShellExecute answers with a value above 32 on success.
bool ShellOpen(const char* file, const char* parameters) {
    static const auto shellExecute = ShellFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    return shellExecute != nullptr &&
           reinterpret_cast<INT_PTR>(shellExecute(nullptr, "open", file, parameters, nullptr, SW_SHOW)) > 32;
}

// Opens the address with the shell; where the shell has no handler for it, with the program registered
// for .htm files.
bool OpenAddress(const char* address) {
    if (ShellOpen(address, nullptr)) {
        return true;
    }
    static const auto assocQueryString =
        ShellFunction<decltype(&AssocQueryStringA)>("shlwapi.dll", "AssocQueryStringA");
    char browser[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (assocQueryString == nullptr ||
        FAILED(assocQueryString(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, ".htm", "open", browser, &size))) {
        return false;
    }
    return ShellOpen(browser, address);
}

void OnPaint(HWND window, const HyperlinkState& state) {
    ScopedPaint paint(window);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(paint.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));

    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    ScopedSelectObject font(paint.Dc(), state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(paint.Dc(), TRANSPARENT);
    SetTextColor(paint.Dc(), CaptionColour(state));
    DrawTextA(paint.Dc(), caption, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SetHover(HWND window, HyperlinkState& state, bool hover) {
    state.hover = hover;
    InvalidateRect(window, nullptr, FALSE);
}

// The box holds the mouse capture while the pointer is over it, which is how it learns that the
// pointer has left.
void OnMouseMove(HWND window, HyperlinkState& state, POINT point) {
    RECT client{};
    GetClientRect(window, &client);
    if (!PtInRect(&client, point)) {
        if (GetCapture() == window) {
            ReleaseCapture();  // WM_CAPTURECHANGED clears the hover colour
        }
        return;
    }
    if (GetCapture() != window) {
        SetCapture(window);
        SetHover(window, state, true);
    }
}

void OnLeftButtonDown(HWND window, HyperlinkState& state) {
    state.visited = OpenAddress(kForumAddress.data());
    InvalidateRect(window, nullptr, FALSE);
}

LRESULT CALLBACK HyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The window owns its state from here until WM_NCDESTROY deletes it; the analyzer cannot follow
        // a pointer kept as window data.
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new HyperlinkState));
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HyperlinkState* state = StateOf(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete state;
        return 0;
    case WM_SETFONT:
        state->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam) != 0) {
            InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->font);
    case WM_PAINT:
        OnPaint(window, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole box
    case WM_MOUSEMOVE:
        OnMouseMove(window, *state, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_CAPTURECHANGED:
        SetHover(window, *state, false);
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(window, *state);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterHyperlinkClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HyperlinkProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(instance, kHandCursorName);
    windowClass.lpszClassName = kHyperlinkClassName;
    return RegisterClassExA(&windowClass) != 0;
}
