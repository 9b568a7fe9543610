// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

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
