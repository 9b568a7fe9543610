// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardCaret.h"

#include <QFocusEvent>
#include <QPlainTextEdit>

KeyboardCaret::KeyboardCaret(QPlainTextEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
}

bool KeyboardCaret::eventFilter(QObject*, QEvent* event) {
    Qt::TextInteractionFlags flags = Qt::TextSelectableByMouse;
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;
        flags |= Qt::TextSelectableByKeyboard;
    } else if (event->type() != QEvent::MouseButtonPress) {
        return false;
    }
    box_->setTextInteractionFlags(flags);
    return false;
}
