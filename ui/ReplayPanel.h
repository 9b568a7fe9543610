// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "Replay.h"

class QToolButton;

// picReplay: the white panel (under a dark palette, dark as the record box) with the five
// replay buttons, all disabled at first.
class ReplayPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReplayPanel(QWidget* parent);

    QToolButton* Button(ReplayButton button) const;
    void SetAllEnabled(bool enabled);

private:
    std::array<QToolButton*, 5> buttons_{};
};
