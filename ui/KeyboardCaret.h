// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QPlainTextEdit;

// Gives a read-only text box a caret for those who come to it by the keyboard, so a screen
// reader reads it line by line with the arrow keys; a click takes the caret away again, so
// a mouse user sees the box as before. Owned by the box.
class KeyboardCaret : public QObject {
  public:
    explicit KeyboardCaret(QPlainTextEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* box_;
};
