// A move-only owner of one Win32 resource, released exactly once on every path. Traits name the
// resource's type, what counts as no resource, and how it is released.
#pragma once

#include <utility>

template <typename Traits>
class UniqueResource {
  public:
    using Type = typename Traits::Type;

    UniqueResource() = default;
    explicit UniqueResource(Type value) : value_(value) {}
    UniqueResource(UniqueResource&& other) noexcept : value_(std::exchange(other.value_, Type{})) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            Release();
            value_ = std::exchange(other.value_, Type{});
        }
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { Release(); }

    bool IsValid() const { return Traits::IsValid(value_); }
    Type Get() const { return value_; }

  private:
    void Release() {
        if (IsValid()) {
            Traits::Release(value_);
        }
        value_ = Type{};
    }

    Type value_{};
};
