#pragma once

#include <QPlainTextEdit>
#include <string>

namespace tessaly {

// One of the room's three text fields: multi-line with a vertical scroll bar; Tab moves
// on, and Enter goes to the window instead of breaking the line. The user cannot make
// the text longer than a package field holds (127 bytes, a line break counting as CR LF);
// a text set by the program is shown whole, whatever its length.
class RoomTextField : public QPlainTextEdit {
    Q_OBJECT

  public:
    static constexpr std::size_t MaxBytes = 127;

    explicit RoomTextField(QWidget* parent);

    // The text as the locale's 8-bit bytes, line breaks as CR LF.
    std::string RoomText() const;
    void SetRoomText(const std::string& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    // The longest start of the text that can replace the selection within the limit.
    QString FittingPart(const QString& insertion) const;
};

} // namespace tessaly
