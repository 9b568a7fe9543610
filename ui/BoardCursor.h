#pragma once

#include <QWidget>

// The keyboard cursor of the board: a thin dashed frame over one cell, drawn inside the
// orange last-move frame so that both stay visible on the same cell. Blind to the mouse.
class BoardCursor : public QWidget {
  public:
    explicit BoardCursor(QWidget* board);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
