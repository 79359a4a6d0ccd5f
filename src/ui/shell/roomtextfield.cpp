#include "ui/shell/roomtextfield.h"

#include "ui/shell/narrowtext.h"

#include <QKeyEvent>
#include <QMimeData>

namespace tessaly {
namespace {

const QString LineBreak = QStringLiteral("\r\n");

// Bytes of a text as stored: 8-bit encoding, every line break CR LF.
std::size_t StoredBytes(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return Narrow(text.replace(QLatin1Char('\n'), LineBreak)).size();
}

} // namespace

RoomTextField::RoomTextField(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

std::string RoomTextField::RoomText() const {
    return Narrow(toPlainText().replace(QLatin1Char('\n'), LineBreak));
}

void RoomTextField::SetRoomText(const std::string& text) {
    setPlainText(Wide(text).replace(LineBreak, QStringLiteral("\n")));
}

QString RoomTextField::FittingPart(const QString& insertion) const {
    const std::size_t kept = StoredBytes(toPlainText()) - StoredBytes(textCursor().selectedText());
    QString part = insertion;
    while (!part.isEmpty() && kept + StoredBytes(part) > MaxBytes) {
        part.chop(part.back().isLowSurrogate() && part.size() > 1 ? 2 : 1);
    }
    return part;
}

void RoomTextField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && FittingPart(typed) != typed) {
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void RoomTextField::insertFromMimeData(const QMimeData* source) {
    insertPlainText(FittingPart(source->text().replace(LineBreak, QStringLiteral("\n"))));
}

void RoomTextField::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        event->setCommitString(FittingPart(event->commitString()));
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace tessaly
