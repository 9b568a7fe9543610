// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>

// The row of the four status lines below the board. It draws nothing itself; screen readers
// find it as the window's status bar (Orca's "read status bar" reads the lines from it) and
// hear through it the news a changing label cannot tell them.
class StatusPanel : public QWidget {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent);

    // Has a screen reader speak `text` once, queued after what it is saying, with the focus
    // left where it is. Nothing is shown. While the window is not active (a dialog is closing)
    // the texts wait for it: Orca drops news from a window it does not take as the active one.
    // Texts that come within a fifth of a second of the last go out together, as one utterance
    // rather than a burst that a screen reader may thin out.
    void Announce(const QString& text);

  signals:
    // Every announcement as it goes out, whether or not a screen reader is listening.
    void Announced(const QString& text);

  protected:
    bool event(QEvent* event) override;

  private:
    void SendPending();

    QStringList pending_;
    QTimer pace_;

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt before 6.8 has no announcement event; notifications that show inside the status
    // bar are what Orca speaks, without naming their role.
    std::array<QWidget*, 3> notices_{};
    size_t iNextNotice_ = 0;
#endif
};
