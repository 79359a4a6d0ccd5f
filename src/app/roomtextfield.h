#pragma once

#include <QPlainTextEdit>

namespace tessaly {

// One of the room's three text fields: multi-line with a vertical scroll bar; Tab moves
// on, and Enter goes to the window instead of breaking the line.
class RoomTextField : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit RoomTextField(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tessaly
