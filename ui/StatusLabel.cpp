// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTextBoundaryFinder>

namespace {

// The longest run of whole characters (grapheme clusters) from the start that fits `width`.
QString FittingPart(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype fits = 0;
    for (qsizetype end = boundaries.toNextBoundary(); end > 0; end = boundaries.toNextBoundary()) {
        if (metrics.horizontalAdvance(text.left(end)) > width) break;
        fits = end;
    }
    return text.left(fits);
}

}  // namespace

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
}

void StatusLabel::SetStatusText(const QString& text) {
    statusText_ = text;
    // Setting the accessible name is what tells a screen reader that the line changed.
    setAccessibleName(text);
    ShowFittingPart();
}

void StatusLabel::ShowFittingPart() {
    const QString shown = FittingPart(statusText_, fontMetrics(), contentsRect().width());
    setText(shown);
    setToolTip(shown == statusText_ ? QString() : statusText_);
}

void StatusLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowFittingPart();
}

void StatusLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) ShowFittingPart();
}
