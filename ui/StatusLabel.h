// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

// One status line: a single line of text from the top-left corner, as the layout beside it
// assumes. A text wider than the label ends at the last whole character that fits, never
// inside a glyph; the whole text is then the tooltip. Screen readers always get the whole
// text as the accessible name, announced at every change.
class StatusLabel : public QLabel {
    Q_OBJECT
  public:
    explicit StatusLabel(QWidget* parent);

    void SetStatusText(const QString& text);
    // The whole text, whatever the label has room to show.
    const QString& StatusText() const { return statusText_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ShowFittingPart();

    QString statusText_;
};
