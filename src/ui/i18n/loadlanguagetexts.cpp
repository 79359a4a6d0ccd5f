#include "ui/i18n/captions.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/mainformdesign.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/roomtextfield.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QLabel>

namespace tessaly {

void TMainForm::LoadLanguageTexts() {
    MenuTexts = LoadTextList(LanguageFilePath(ProgramDir, "menuitems", LanguageCode));
    LabelTexts = LoadTextList(LanguageFilePath(ProgramDir, "labels", LanguageCode));
    MessageTexts = LoadTextList(LanguageFilePath(ProgramDir, "messages", LanguageCode));

    const std::array<QAction*, 17> items = MenuItems();
    for (std::size_t line = 0; line < items.size(); ++line) {
        items[line]->setText(Wide(MenuTexts.Line(static_cast<long>(line))));
    }
    SetApplicationTitle(Wide(LabelTexts.Line(1)));
    SetFontFace(this, LabelTexts.Line(0));
    setWindowTitle(Wide(LabelTexts.Line(1)));
    for (int i = 0; i < MainLabelCount; ++i) {
        SetLabelCaption(MainLabels[i], LabelTexts.Line(FirstMainLabelLine + i));
        SetFontFace(MainLabels[i], LabelTexts.Line(0));
    }
    for (RoomTextField* field : {RoomName, Comment, Copyright}) {
        SetFontFace(field, LabelTexts.Line(0));
    }
}

} // namespace tessaly
