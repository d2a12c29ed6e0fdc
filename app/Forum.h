// The maker's forum, which the hyperlink box shows and opens. The product has no forum yet, so the host
// is a reserved name.
#pragma once

#include <array>
#include <cstddef>

inline constexpr char kForumHost[] = "varnholt.example";

template <std::size_t A, std::size_t B>
constexpr std::array<char, A + B - 1> Concat(const char (&a)[A], const char (&b)[B]) {
    std::array<char, A + B - 1> joined{};
    for (std::size_t i = 0; i + 1 < A; ++i) {
        joined[i] = a[i];
    }
    for (std::size_t i = 0; i < B; ++i) {
        joined[A - 1 + i] = b[i];
    }
    return joined;
}

inline constexpr auto kForumCaption = Concat("官网：", kForumHost);
inline constexpr auto kForumAddress = Concat("http://", kForumHost);
