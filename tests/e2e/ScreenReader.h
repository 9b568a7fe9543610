#pragma once

#include <QImage>
#include <QRect>
#include <optional>
#include <string>

// What a screenshot shows of the game: where the board is, its side, the disc in every
// cell, the cell framed by the last-move marker, and whether the five replay buttons are
// enabled. Found by colour alone, so the window may stand anywhere on the screen.
struct ScreenReading {
    QRect board;        // screen pixels of the teal playing surface
    int size = 0;       // cells per side, from the grid lines
    std::string cells;  // rows of 'B', 'W', '.' joined by '/'; '?' where unreadable
    int markerRow = 0;  // 0 when no cell is framed
    int markerCol = 0;
    std::string buttons;  // '1' enabled, '0' disabled: Top, Step, Auto, Bottom, Stop

    bool Readable() const { return cells.find('?') == std::string::npos; }
    // Screen point of a cell's centre, and of a point given in the main window's client
    // coordinates (the board stands at client (26, 24)).
    QPoint CellCentre(int row, int col) const;
    QPoint ClientPoint(int x, int y) const;
    // The lines `e2e_tool read` prints: board, cells, marker, buttons.
    std::string Describe() const;
};

std::optional<ScreenReading> ReadScreen(const QImage& screenshot);
