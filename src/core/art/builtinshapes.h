#pragma once

#include "core/art/builtincanvas.h"

namespace tessaly::art {

// The parts drawn through masks of their own: shaped on black, which is see-through.

// A speech bubble with a heart and a note, in RoomPalette.
SlotPicture SpeechBubble();

// The letters, in a paper-and-ink table of their own whose entry 0 is black.
SlotPicture EnvelopeInMailbox();
SlotPicture LetterOnTable();
SlotPicture EnvelopeOnBoard();

} // namespace tessaly::art
