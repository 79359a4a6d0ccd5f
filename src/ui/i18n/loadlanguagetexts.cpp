#include "core/i18n/languagelines.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/qttranslation.h"
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
    LoadQtTranslation(LanguageCode);

    const std::array<QAction*, MenuLine::BaseCount> items = MenuItems();
    for (long line = MenuLine::FileMenu; line < MenuLine::BaseCount; ++line) {
        items[line]->setText(Wide(MenuTexts.Line(line)));
    }
    const std::string& face = LabelTexts.Line(LabelLine::FontFace);
    SetApplicationTitle(Wide(LabelTexts.Line(LabelLine::Title)));
    SetFontFace(this, face);
    setWindowTitle(Wide(LabelTexts.Line(LabelLine::Title)));
    for (int i = 0; i < MainLabelCount; ++i) {
        SetLabelCaption(MainLabels[i], LabelTexts.Line(MainLabelDesigns()[i].line));
        SetFontFace(MainLabels[i], face);
    }
    for (RoomTextField* field : {RoomName, Comment, Copyright}) {
        SetFontFace(field, face);
    }
}

} // namespace tessaly
