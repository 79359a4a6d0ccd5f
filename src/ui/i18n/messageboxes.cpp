#include "core/i18n/languagelines.h"
#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/tmainform.h"

namespace tessaly {

void TMainForm::ShowMessageText(const std::string& text) {
    desktop_.ShowWarning(this, Wide(LabelTexts.Line(LabelLine::MessageCaption)), Wide(text));
}

void TMainForm::ShowAddedMessage(const AddedLine& line, const std::string& value) {
    ShowMessageText(FillLine(AddedLineText(MessageTexts, line), value));
}

bool TMainForm::AskPaletteQuestion() {
    return desktop_.AskYesNo(this, Wide(LabelTexts.Line(LabelLine::PaletteQuestionCaption)),
                             Wide(MessageTexts.Line(MessageLine::PaletteQuestion)));
}

} // namespace tessaly
