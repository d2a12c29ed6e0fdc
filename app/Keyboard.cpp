#include "app/Keyboard.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

bool IsKeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The tab stops that can take the focus now, from the last control of the table to the first. The
// order crosses the group box, so the dialog manager's own walk (which follows each parent's
// stacking) would not give it.
std::vector<HWND> FocusOrder(const MainWindow& main) {
    std::vector<HWND> order;
    for (std::size_t i = kControls.size(); i-- > 0;) {
        const HWND control = main.controls[i];
        if ((KindOf(kControls[i].kind).style & WS_TABSTOP) != 0 && IsWindowVisible(control) &&
            IsWindowEnabled(control)) {
            order.push_back(control);
        }
    }
    return order;
}

void MoveFocus(const MainWindow& main, bool backwards) {
    const std::vector<HWND> order = FocusOrder(main);
    if (order.empty()) {
        return;
    }
    const auto current = std::find(order.begin(), order.end(), GetFocus());
    std::size_t next = 0;
    if (current != order.end()) {
        const std::size_t index = static_cast<std::size_t>(current - order.begin());
        next = backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
    } else if (backwards) {
        next = order.size() - 1;
    }
    SetFocus(order[next]);
}

}  // namespace

HWND FirstFocusStop(const MainWindow& main) {
    const std::vector<HWND> order = FocusOrder(main);
    return order.empty() ? nullptr : order.front();
}

bool HandleWindowKey(const MainWindow& main, const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != main.window && !IsChild(main.window, message.hwnd))) {
        return false;
    }
    const bool shift = IsKeyDown(VK_SHIFT);
    const bool control = IsKeyDown(VK_CONTROL);
    switch (message.wParam) {
    case VK_TAB:
        // Ctrl+Tab is dropped as well, so that it neither moves the focus nor reaches an edit box.
        if (!control) {
            MoveFocus(main, shift);
        }
        return true;
    case VK_ESCAPE:
        if (shift || control) {
            return false;
        }
        SendMessageA(main.window, WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}
