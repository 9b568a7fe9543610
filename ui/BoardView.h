// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class BoardCursor;
class BoardMark;
class BoardGrid;
class QLabel;

// The playing surface: grid and discs painted from the board array on every repaint, the
// last-move frame shpCurrent above them, and mouse releases turned into cells.
class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSideTwips = 4800;

    BoardView(const BoardGrid& board, QWidget* parent);

    // Called with the cell under a release on the board; releases off the board are dropped.
    void SetReleaseHandler(std::function<void(int16_t row, int16_t col)> handler);

    // Cell size in twips: the board's outer height over the side, in single precision.
    float GetCellSize() const;
    // The cell a point maps to, in twips of the board, without any range test.
    static void CellFromTwips(float x, float y, int16_t boardSize, int16_t& row, int16_t& col);

    void DrawDisc(char letter, int16_t row, int16_t col);  // repaints that cell
    void MarkLastMove(int16_t row, int16_t col);
    void RedrawAll();

    QWidget* Marker() const;  // shpCurrent
    QRect CellRect(int16_t row, int16_t col) const;  // in pixels of this widget

    // ---- Keyboard play and screen readers --------------------------------------------
    const BoardGrid& Grid() const { return board_; }
    int16_t Side() const;
    int16_t CursorRow() const { return cursorRow_; }
    int16_t CursorCol() const { return cursorCol_; }
    int16_t LastMoveRow() const { return lastRow_; }
    int16_t LastMoveCol() const { return lastCol_; }
    QWidget* Cursor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void FollowLastMove(int16_t row, int16_t col);
    void MoveCursor(int row, int col);
    void ShowCursor();

    const BoardGrid& board_;
    BoardMark* shpCurrent_ = nullptr;
    std::function<void(int16_t, int16_t)> onRelease_;

    BoardCursor* cursor_ = nullptr;
    int16_t cursorRow_ = 1;
    int16_t cursorCol_ = 1;
    int16_t lastRow_ = 0;
    int16_t lastCol_ = 0;
    // The cursor shows only to someone using the keyboard: focus came by Tab, or a key was
    // pressed here. A mouse press takes it away again.
    bool bKeyboardInUse_ = false;
    unsigned long keyReleasedAt_ = 0;  // the window system's time of the last key release
};
