#include "ui/i18n/tlangsetdlg.h"

#include "core/base/datafiles.h"
#include "ui/i18n/captions.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/tmainform.h"

#include <QListWidget>
#include <QPushButton>

namespace tessaly {

TLangSetDlg::TLangSetDlg(TMainForm& mainForm, Desktop& desktop)
    : QDialog(&mainForm), mainForm_(mainForm), desktop_(desktop) {
    setObjectName(QStringLiteral("LangSetDlg"));
    setWindowTitle(QStringLiteral("Language Settings"));
    setFont(DesignFont());
    setGeometry(420, 276, 170, 177);
    setFixedSize(170, 177);
    LangList = new QListWidget(this);
    LangList->setObjectName(QStringLiteral("LangList"));
    LangList->setGeometry(24, 16, 121, 97);
    LangList->setSelectionMode(QAbstractItemView::SingleSelection);
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(48, 136, 75, 25);
    connect(OkBtn, &QPushButton::clicked, this,
            [this] { RunGuarded(desktop_, this, [this] { OkBtnClick(); }); });
}

void TLangSetDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunGuarded(desktop_, this, [this] { FormShow(); });
}

void TLangSetDlg::FormShow() {
    LangList->clear();
    lines_ = TextList();
    lines_ = LoadTextList(DataFilePath(mainForm_.ProgramDir, LanguageListFileName));
    for (const std::string& line : lines_.Lines()) {
        LangList->addItem(Wide(line));
    }
    LangList->setCurrentRow(0);
}

void TLangSetDlg::OkBtnClick() {
    const std::string& line = lines_.Line(LangList->currentRow());
    mainForm_.LanguageCode = LanguageCodeOf(line);
    accept();
}

} // namespace tessaly
