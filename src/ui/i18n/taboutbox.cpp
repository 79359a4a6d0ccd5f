#include "ui/i18n/taboutbox.h"

#include "core/i18n/languagelines.h"
#include "tessaly/version.h"
#include "ui/i18n/captions.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/tmainform.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tessaly {
namespace {

QLabel* AddLabel(QDialog* box, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, box);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

} // namespace

TAboutBox::TAboutBox(TMainForm& mainForm, Desktop& desktop)
    : QDialog(&mainForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mainForm_(mainForm), desktop_(desktop) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFont(DesignFont());
    setFixedSize(273, 141);
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 257, 97);
    ProgramIcon = AddLabel(this, "ProgramIcon", QString(), {24, 16, 41, 41});
    ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(41, 41));
    ApName = new CaptionLabel(QStringLiteral("Tessaly"), this);
    ApName->setObjectName(QStringLiteral("ApName"));
    ApName->setGeometry(72, 24, 153, 20);
    ApName->setAlignment(Qt::AlignCenter);
    ApName->setFont(DesignFont(16));
    ApName->setStyleSheet(QStringLiteral("color: black"));
    // Wider than designed, so that today's fonts show the lines whole in every language:
    // "Version." ends where the design's does, the number and the copyright line get
    // the room the bevel gives.
    Version = AddLabel(this, "Version", QStringLiteral("Version."), {72, 48, 68, 15});
    Version->setAlignment(Qt::AlignRight);
    VersinNo = AddLabel(this, "VersinNo", QString::fromLatin1(TessalyVersion), {144, 48, 80, 15});
    Copyright = AddLabel(this, "Copyright", QStringLiteral("\u00a9 2026 the Tessaly authors"),
                         {12, 66, 249, 16});
    Copyright->setAlignment(Qt::AlignHCenter);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(99, 113, 75, 25);
    Button1->setFont(DesignFont(16, QStringLiteral("\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af")));
    Button1->setDefault(true);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Button1->setFocus();
    RunGuarded(desktop_, this, [this] { FormShow(); });
}

void TAboutBox::FormShow() {
    const TextList& lines = mainForm_.LabelTexts;
    SetFontFace(this, lines.Line(LabelLine::FontFace));
    setWindowTitle(Wide(lines.Line(LabelLine::AboutCaption)));
    SetFontFace(ApName, lines.Line(LabelLine::FontFace));
    SetLabelCaption(ApName, lines.Line(LabelLine::Title));
}

} // namespace tessaly
