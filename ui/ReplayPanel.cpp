// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayPanel.h"

#include <QToolButton>

#include "ReplayIcons.h"
#include "Twips.h"

namespace {

struct ButtonPlace {
    ReplayButton button;
    const char* name;
    int leftTwips;
    const char* tooltip;
};

constexpr ButtonPlace kPlaces[] = {
    {ReplayButton::Top, "cmdTop", 0, "返回开始"},
    {ReplayButton::StepPlay, "cmdStepPlay", 526, "步进播放"},
    {ReplayButton::AutoPlay, "cmdAutoPlay", 1052, "自动播放"},
    {ReplayButton::Bottom, "cmdBottom", 1578, "快进结尾"},
    {ReplayButton::Stop, "cmdStop", 2107, "停止播放"},
};

}  // namespace

ReplayPanel::ReplayPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("picReplay");
    // White, as the text boxes are under a light palette; under a dark one the strip takes
    // their dark colour too, rather than stand out bright beside the record box. The buttons
    // are drawn against it as well.
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, strip.color(QPalette::Base));
    setPalette(strip);

    for (const ButtonPlace& place : kPlaces) {
        auto* button = new QToolButton(this);
        button->setObjectName(place.name);
        button->setToolTip(QString::fromUtf8(place.tooltip));
        button->setIcon(ReplayIcon(place.button));
        button->setIconSize(QSize(32, 32));
        button->setGeometry(Px(place.leftTwips), 0, Px(495), Px(495));
        button->setEnabled(false);
        buttons_[static_cast<size_t>(place.button)] = button;
    }
    // Keyboard order inside the panel runs from Stop back to Top.
    for (size_t i = buttons_.size() - 1; i > 0; --i) {
        setTabOrder(buttons_[i], buttons_[i - 1]);
    }
}

QToolButton* ReplayPanel::Button(ReplayButton button) const {
    return buttons_[static_cast<size_t>(button)];
}

void ReplayPanel::SetAllEnabled(bool enabled) {
    for (QToolButton* button : buttons_) {
        button->setEnabled(enabled);
    }
}
