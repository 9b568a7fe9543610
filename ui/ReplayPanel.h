#pragma once

#include <QWidget>
#include <array>

#include "Replay.h"

class QToolButton;

// picReplay: the white panel with the five replay buttons, all disabled at first.
class ReplayPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReplayPanel(QWidget* parent);

    QToolButton* Button(ReplayButton button) const;
    void SetAllEnabled(bool enabled);

private:
    std::array<QToolButton*, 5> buttons_{};
};
