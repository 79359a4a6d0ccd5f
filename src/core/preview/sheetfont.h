#pragma once

#include "core/preview/rgbimage.h"

#include <string>

namespace tessaly {

inline constexpr int SheetGlyphAdvance = 6;
inline constexpr int SheetLineHeight = 9;

// Writes text with a small built-in 5x7 font (lower-case letters, digits, "-+:,." and
// space; other characters are left blank), clipped to the image.
void DrawSheetText(RgbImage& image, int left, int top, const std::string& text, Rgb colour);

} // namespace tessaly
