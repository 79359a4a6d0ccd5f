#include "core/base/datafiles.h"
#include "core/base/paths.h"
#include "core/i18n/languagelines.h"
#include "ui/i18n/taboutbox.h"
#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/tmainform.h"

#include <filesystem>

namespace tessaly {

// Help > Contents: the language's index page when the language has a help folder (a
// file of that name counts too), else the common one. When no program can show it, the
// user is told which page could not be shown.
void TMainForm::ContentsClick() {
    const std::string help = DataFilePath(ProgramDir, HelpFolderName);
    const std::string folder = JoinPath(help, LanguageCode);
    std::error_code error;
    const bool languageHelp = std::filesystem::exists(folder, error);
    const std::string page = JoinPath(languageHelp ? folder : help, "zkindex.htm");
    if (!desktop_.OpenInShell(Wide(page))) {
        ShowAddedMessage(MessageLine::HelpViewerMissing, page);
    }
}

void TMainForm::AboutClick() {
    TAboutBox dialog(*this, desktop_);
    desktop_.ExecuteDialog(dialog);
}

} // namespace tessaly
