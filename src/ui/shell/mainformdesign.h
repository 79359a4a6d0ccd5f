#pragma once

#include "core/slots/catalogue.h"

#include <QRect>
#include <array>

namespace tessaly {

// The main window's design: where each component sits, in window pixels.

inline constexpr int MainFormWidth = 618;
inline constexpr int MainFormHeight = 462;
inline constexpr int MainFormLeft = 192;
inline constexpr int MainFormTop = 107;

// The box in which the picture component of a slot shows its picture.
QRect SlotBox(PartSlot slot);

struct LabelDesign {
    const char* name;
    long line; // the LabelTexts line of its caption
    QRect box;
    bool rightAligned;
    const char* designCaption;
};

// The fourteen labels, in the order of their caption lines.
inline constexpr int MainLabelCount = 14;
const std::array<LabelDesign, MainLabelCount>& MainLabelDesigns();

struct TextFieldDesign {
    const char* name;
    QRect box;
};

// RoomName, Comment and Copyright, in tab order.
const std::array<TextFieldDesign, 3>& TextFieldDesigns();

} // namespace tessaly
