// The hyperlink box: a caption drawn in link colours that opens the forum when pressed.
#pragma once

#include <windows.h>

inline constexpr COLORREF kLinkColour = RGB(0, 0, 255);
inline constexpr COLORREF kLinkHoverColour = RGB(0, 120, 215);
inline constexpr COLORREF kLinkVisitedColour = RGB(128, 0, 0);

bool RegisterHyperlinkClass(HINSTANCE instance);
