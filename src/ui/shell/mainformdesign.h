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
    QRect box;
    const char* designCaption;
    bool rightAligned;
};

// The fourteen labels, in the order of their caption lines 2-15.
inline constexpr int MainLabelCount = 14;
inline constexpr int FirstMainLabelLine = 2;
const std::array<LabelDesign, MainLabelCount>& MainLabelDesigns();

struct TextFieldDesign {
    const char* name;
    QRect box;
};

// RoomName, Comment and Copyright, in tab order.
const std::array<TextFieldDesign, 3>& TextFieldDesigns();

} // namespace tessaly
