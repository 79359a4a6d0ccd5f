#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/tmainform.h"

namespace tessaly {

void TMainForm::ShowMessageText(const std::string& text) {
    desktop_.ShowWarning(this, Wide(LabelTexts.Line(33)), Wide(text));
}

bool TMainForm::AskPaletteQuestion() {
    return desktop_.AskYesNo(this, Wide(LabelTexts.Line(32)), Wide(MessageTexts.Line(6)));
}

} // namespace tessaly
