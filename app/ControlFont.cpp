#include "app/ControlFont.h"

#include <cstring>

namespace {

constexpr char kControlFontFace[] = "微软雅黑";
// A negative height asks for the character height, without internal leading: 9 points at 96 DPI.
constexpr LONG kControlFontHeight = -12;

}  // namespace

ScopedFont CreateControlFont() {
    LOGFONTA font{};
    font.lfHeight = kControlFontHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    static_assert(sizeof(kControlFontFace) <= sizeof(font.lfFaceName));
    std::memcpy(font.lfFaceName, kControlFontFace, sizeof(kControlFontFace));
    return ScopedFont(CreateFontIndirectA(&font));
}
