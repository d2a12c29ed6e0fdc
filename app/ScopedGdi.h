// Owners of GDI objects and device-context selections, released on every path.
#pragma once

#include <windows.h>

#include "platform/UniqueResource.h"

// A GDI object the program created (font, brush), deleted with DeleteObject.
template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static bool IsValid(T object) { return object != nullptr; }
    static void Release(T object) { DeleteObject(object); }
};
using ScopedFont = UniqueResource<GdiObjectTraits<HFONT>>;

// An icon the program loaded at a size of its own (not shared), destroyed with DestroyIcon.
struct IconTraits {
    using Type = HICON;
    static bool IsValid(HICON icon) { return icon != nullptr; }
    static void Release(HICON icon) { DestroyIcon(icon); }
};
using ScopedIcon = UniqueResource<IconTraits>;

// Selects an object into a device context and puts the previous one back.
class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ~ScopedSelectObject() { SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint as one object.
class ScopedPaint {
  public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    ~ScopedPaint() { EndPaint(window_, &paint_); }

    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};
