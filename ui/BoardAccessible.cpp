// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "BoardView.h"
#include "Game.h"
#include "Notation.h"

namespace {

int CellIndex(const BoardView* board, int row, int col) {
    return (row - 1) * board->Side() + (col - 1);
}

// A cell offers no table-cell interface: from Qt 6.5 on that reaches AT-SPI, and Orca then
// reads the whole row whenever the cursor enters another row (its default for tables).
class BoardCellAccessible : public QAccessibleInterface {
  public:
    BoardCellAccessible(BoardView* board, int16_t row, int16_t col)
        : board_(board), row_(row), col_(col) {}

    bool isValid() const override {
        return board_ && row_ <= board_->Side() && col_ <= board_->Side();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        if (t == QAccessible::Name) return CellSpeech(board_->Grid()(row_, col_), row_, col_);
        if (t == QAccessible::Description && row_ == board_->LastMoveRow() &&
            col_ == board_->LastMoveCol()) {
            return QStringLiteral("最后落子");
        }
        return {};
    }

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = board_->CellRect(row_, col_);
        return QRect(board_->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.invalid = !isValid();
        s.focusable = true;
        s.focused = !s.invalid && board_->hasFocus() && row_ == board_->CursorRow() &&
                    col_ == board_->CursorCol();
        return s;
    }

    int Index() const { return board_ ? CellIndex(board_, row_, col_) : -1; }

  private:
    QPointer<BoardView> board_;
    int16_t row_;
    int16_t col_;
};

// The board as a table. Cell interfaces are made on first use and kept, as assistive
// technology refers to them by their ids; a new board side makes a new set.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Grouping) {}
    ~BoardAccessible() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("棋盘") : QAccessibleWidget::text(t);
    }

    int childCount() const override { return Board()->Side() * Board()->Side(); }

    QAccessibleInterface* child(int index) const override {
        const int n = Board()->Side();
        if (index < 0 || index >= n * n) {
            return nullptr;
        }
        if (cellsSide_ != n) {
            DropCells();
            cells_.assign(static_cast<size_t>(n * n), 0);
            cellsSide_ = n;
        }
        QAccessible::Id& id = cells_[static_cast<size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new BoardCellAccessible(
                Board(), static_cast<int16_t>(index / n + 1), static_cast<int16_t>(index % n + 1)));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const BoardCellAccessible*>(child);
        return cell ? cell->Index() : -1;
    }

    QAccessibleInterface* focusChild() const override {
        return Board()->hasFocus()
                   ? child(CellIndex(Board(), Board()->CursorRow(), Board()->CursorCol()))
                   : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Board()->mapFromGlobal(QPoint(x, y));
        const int n = Board()->Side();
        if (!Board()->rect().contains(at)) {
            return nullptr;
        }
        return child(at.y() * n / Board()->height() * n + at.x() * n / Board()->width());
    }

    // QAccessibleTableInterface: a square of cells, never selected.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const int n = Board()->Side();
        return row < 0 || column < 0 || row >= n || column >= n ? nullptr : child(row * n + column);
    }
    int columnCount() const override { return Board()->Side(); }
    int rowCount() const override { return Board()->Side(); }
    QString columnDescription(int column) const override { return QString(QChar(65 + column)); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    BoardView* Board() const { return static_cast<BoardView*>(widget()); }

    void DropCells() const {
        for (QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        cells_.clear();
    }

    mutable std::vector<QAccessible::Id> cells_;
    mutable int cellsSide_ = 0;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    auto* board = qobject_cast<BoardView*>(object);
    return board ? new BoardAccessible(board) : nullptr;
}

}  // namespace

QString CellSpeech(char letter, int16_t row, int16_t col) {
    const char* content = letter == kBlack ? "黑棋" : letter == kWhite ? "白棋" : "空";
    // The record's token without its side letter is the coordinate as it writes it.
    const std::string coordinate = MoveToken(kBlack, row, col).substr(1);
    return QString::fromStdString(coordinate + " " + content);
}

void InstallBoardAccessibility() {
    static const bool installed = (QAccessible::installFactory(BoardFactory), true);
    (void)installed;
}

void AnnounceBoardCursor(BoardView* board) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent event(board, QAccessible::Focus);
    event.setChild(CellIndex(board, board->CursorRow(), board->CursorCol()));
    QAccessible::updateAccessibility(&event);
}
