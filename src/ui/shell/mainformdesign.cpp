#include "ui/shell/mainformdesign.h"

#include "core/i18n/languagelines.h"

namespace tessaly {
namespace {

// Picture and mask boxes, indexed by slot.
// clang-format off
const std::array<QRect, SlotCount> SlotBoxes{{
    {8, 16, 28, 42},   {96, 16, 28, 42},   {184, 16, 28, 42},  {288, 16, 40, 45},
    {8, 279, 160, 120}, {8, 80, 33, 55},   {112, 80, 33, 55},  {216, 80, 33, 55},
    {336, 88, 48, 38}, {472, 88, 48, 38},  {8, 160, 28, 30},   {96, 160, 28, 30},
    {192, 160, 39, 25}, {312, 160, 25, 38}, {408, 160, 41, 36}, {528, 160, 31, 23},
    {8, 216, 25, 16},  {96, 216, 27, 23},  {184, 216, 25, 16}, {408, 16, 40, 45},
    {48, 16, 28, 42},  {136, 16, 28, 42},  {224, 16, 28, 42},  {344, 16, 40, 45},
    {184, 279, 160, 120}, {56, 80, 33, 55}, {160, 80, 33, 55}, {264, 80, 33, 55},
    {400, 88, 48, 38}, {536, 88, 48, 38},  {48, 160, 28, 30},  {136, 160, 28, 30},
    {248, 160, 39, 25}, {352, 160, 25, 38}, {464, 160, 41, 36}, {576, 160, 31, 23},
    {48, 216, 25, 16}, {136, 216, 27, 23}, {224, 216, 25, 16}, {464, 16, 40, 45},
}};
// clang-format on

// clang-format off
const std::array<LabelDesign, MainLabelCount> Labels{{
    {"WviewLabel", LabelLine::WviewLabel, {8, 0, 257, 12}, false,
     "Out of the window (daytime, nighttime,connecting)"},
    {"DviewLabel", LabelLine::DviewLabel, {288, 0, 217, 12}, false,
     "Out of the door (daytime,nighttime)"},
    {"DoorLabel", LabelLine::DoorLabel, {8, 64, 289, 12}, false,
     "----------door (closed, half open, open)----------"},
    {"BedLabel", LabelLine::BedLabel, {336, 72, 249, 12}, false,
     "-----bed (default, sleeping)-----"},
    {"TBoxLabel", LabelLine::TBoxLabel, {8, 144, 161, 13}, false, "treasure box (closed, open)"},
    {"TableLabel", LabelLine::TableLabel, {192, 144, 97, 13}, false, "table"},
    {"PostLabel", LabelLine::PostLabel, {312, 144, 65, 13}, false, "mailbox"},
    {"BubbleLabel", LabelLine::BubbleLabel, {408, 144, 97, 13}, false, "bubble"},
    {"BathLabel", LabelLine::BathLabel, {528, 144, 81, 13}, false, "bath tub"},
    {"LetterLabel", LabelLine::LetterLabel, {8, 200, 244, 13}, false,
     "letter (on the mailbox, on the table, on the door side)"},
    {"RoomLabel", LabelLine::RoomLabel, {8, 256, 337, 12}, false, "-----room view-----"},
    {"NameLabel", LabelLine::NameLabel, {344, 240, 60, 12}, true, "name"},
    {"ComLabel", LabelLine::ComLabel, {344, 296, 56, 12}, true, "etc"},
    {"CopyLabel", LabelLine::CopyLabel, {344, 352, 60, 12}, true, "copyright"},
}};
// clang-format on

const std::array<TextFieldDesign, 3> TextFields{{
    {"RoomName", {408, 240, 185, 49}},
    {"Comment", {408, 296, 185, 49}},
    {"Copyright", {408, 352, 185, 49}},
}};

} // namespace

QRect SlotBox(PartSlot slot) {
    return SlotBoxes.at(slot);
}

const std::array<LabelDesign, MainLabelCount>& MainLabelDesigns() {
    return Labels;
}

const std::array<TextFieldDesign, 3>& TextFieldDesigns() {
    return TextFields;
}

} // namespace tessaly
