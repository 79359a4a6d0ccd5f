#include "ui/i18n/tlangsetdlg.h"
#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/settingsstore.h"
#include "ui/shell/tmainform.h"

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

} // namespace tessaly
