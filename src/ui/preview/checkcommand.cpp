#include "ui/preview/tcheckform.h"
#include "ui/shell/desktop.h"
#include "ui/shell/tmainform.h"

namespace tessaly {

// File > Check: a new preview dialog each time, shown modally and destroyed afterwards.
void TMainForm::ShowCheckClick() {
    TCheckForm dialog(*this, desktop_);
    desktop_.ExecuteDialog(dialog);
}

} // namespace tessaly
