#include "app/desktop.h"
#include "app/narrowtext.h"
#include "app/paths.h"
#include "app/settingsstore.h"
#include "app/tmainform.h"
#include "i18n/taboutbox.h"
#include "i18n/tlangsetdlg.h"

#include <filesystem>

namespace tessaly {

// Config > Language: whether the dialog ended by OK or by its close box, the code is
// stored and the language set loaded again.
void TMainForm::LanguageSetClick() {
    {
        TLangSetDlg dialog(*this, desktop_);
        desktop_.ExecuteDialog(dialog);
    }
    settings_.WriteString(LanguageSettingName, Wide(LanguageCode));
    LoadLanguageTexts();
}

// Help > Contents: the language's index page when the language has a help folder (a
// file of that name counts too), else the common one.
void TMainForm::ContentsClick() {
    const std::string help = JoinPath(ProgramDir, "Help");
    const std::string folder = JoinPath(help, LanguageCode);
    std::error_code error;
    const bool languageHelp = std::filesystem::exists(folder, error);
    desktop_.OpenInShell(Wide(JoinPath(languageHelp ? folder : help, "zkindex.htm")));
}

void TMainForm::AboutClick() {
    TAboutBox dialog(*this, desktop_);
    desktop_.ExecuteDialog(dialog);
}

} // namespace tessaly
