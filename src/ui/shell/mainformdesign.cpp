#include "ui/shell/mainformdesign.h"

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

const std::array<LabelDesign, MainLabelCount> Labels{{
    {"WviewLabel", {8, 0, 257, 12}, "Out of the window (daytime, nighttime,connecting)", false},
    {"DviewLabel", {288, 0, 217, 12}, "Out of the door (daytime,nighttime)", false},
    {"DoorLabel", {8, 64, 289, 12}, "----------door (closed, half open, open)----------", false},
    {"BedLabel", {336, 72, 249, 12}, "-----bed (default, sleeping)-----", false},
    {"TBoxLabel", {8, 144, 161, 13}, "treasure box (closed, open)", false},
    {"TableLabel", {192, 144, 97, 13}, "table", false},
    {"PostLabel", {312, 144, 65, 13}, "mailbox", false},
    {"BubbleLabel", {408, 144, 97, 13}, "bubble", false},
    {"BathLabel", {528, 144, 81, 13}, "bath tub", false},
    {"LetterLabel",
     {8, 200, 244, 13},
     "letter (on the mailbox, on the table, on the door side)",
     false},
    {"RoomLabel", {8, 256, 337, 12}, "-----room view-----", false},
    {"NameLabel", {344, 240, 60, 12}, "name", true},
    {"ComLabel", {344, 296, 56, 12}, "etc", true},
    {"CopyLabel", {344, 352, 60, 12}, "copyright", true},
}};

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
