#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

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

    QWidget* Marker() const { return shpCurrent_; }
    QRect CellRect(int16_t row, int16_t col) const;  // in pixels of this widget

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int16_t Side() const;

    const BoardGrid& board_;
    QWidget* shpCurrent_;
    std::function<void(int16_t, int16_t)> onRelease_;
};
