// Owners of GDI objects and device-context selections, released on every path.
#pragma once

#include <windows.h>

#include <utility>

// A GDI object the program created (font, brush), deleted with DeleteObject.
template <typename T>
class ScopedGdiObject {
  public:
    ScopedGdiObject() = default;
    explicit ScopedGdiObject(T object) : object_(object) {}
    ScopedGdiObject(ScopedGdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    ~ScopedGdiObject() { Reset(); }

    T Get() const { return object_; }
    bool IsValid() const { return object_ != nullptr; }

  private:
    void Reset() {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
        object_ = nullptr;
    }

    T object_ = nullptr;
};

using ScopedFont = ScopedGdiObject<HFONT>;

// An icon the program loaded at a size of its own (not shared), destroyed with DestroyIcon.
class ScopedIcon {
  public:
    ScopedIcon() = default;
    explicit ScopedIcon(HICON icon) : icon_(icon) {}
    ScopedIcon(ScopedIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
    ScopedIcon& operator=(ScopedIcon&& other) noexcept {
        if (this != &other) {
            Reset();
            icon_ = std::exchange(other.icon_, nullptr);
        }
        return *this;
    }
    ScopedIcon(const ScopedIcon&) = delete;
    ScopedIcon& operator=(const ScopedIcon&) = delete;
    ~ScopedIcon() { Reset(); }

    HICON Get() const { return icon_; }

  private:
    void Reset() {
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
        icon_ = nullptr;
    }

    HICON icon_ = nullptr;
};

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
