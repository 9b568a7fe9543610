// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <cstdint>

// The client area of the main window; it carries the coordinate labels beside the board.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent);

    // Clears the old labels and prints the letters above and the numbers left of the board.
    void DrawCoordinateLabels(int16_t boardSize);
    int16_t LabelledSize() const { return boardSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int16_t boardSize_ = 0;
};
