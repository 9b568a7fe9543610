// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusPanel.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <utility>

#include "StatusLabel.h"

namespace {

// A status line: its name is its whole text, which may be more than it shows (the text it
// shows if no name was set), and so is its text content. Orca 48 reads a status bar from its
// labels' text content and passes over labels without any, which is all Qt gives a QLabel.
class StatusLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit StatusLineAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }

    QString text(int start, int end) const override { return Whole().mid(start, end - start); }
    int characterCount() const override { return int(Whole().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

  private:
    QString Whole() const { return text(QAccessible::Name); }
};

// The status bar as screen readers find it: the bar, its lines and its notices.
QAccessibleInterface* StatusPanelFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (qobject_cast<StatusPanel*>(object)) return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (auto* line = qobject_cast<StatusLabel*>(object)) return new StatusLineAccessible(line);
    if (widget && qobject_cast<StatusPanel*>(widget->parentWidget()) &&
        widget->objectName() == QLatin1String("notice"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    pace_.setSingleShot(true);
    pace_.setInterval(200);
    connect(&pace_, &QTimer::timeout, this, &StatusPanel::SendPending);
    setObjectName("picStatus");
    static const bool installed = (QAccessible::installFactory(StatusPanelFactory), true);
    (void)installed;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    for (QWidget*& notice : notices_) {
        // Never shown: the status bar's own lines stay all that "read status bar" reads.
        notice = new QWidget(this);
        notice->setObjectName("notice");
        notice->hide();
    }
#endif
}

bool StatusPanel::event(QEvent* event) {
    // The window passes its activation down to its children; the waiting texts go out once
    // the window has told assistive technology that it is active, not before.
    if (event->type() == QEvent::WindowActivate && !pending_.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!pace_.isActive()) SendPending();
            },
            Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void StatusPanel::Announce(const QString& text) {
    pending_ << text;
    if (!pace_.isActive()) SendPending();
}

void StatusPanel::SendPending() {
    if (pending_.isEmpty() || !isActiveWindow()) return;
    const QStringList texts = std::exchange(pending_, {});
    pace_.start();
    for (const QString& text : texts) emit Announced(text);
    if (!QAccessible::isActive()) return;
    const QString text = texts.join(' ');
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From the window: Orca 48 drops an event that follows one of its kind within a tenth of
    // a second, unless it comes from a window, an alert or a notification.
    QAccessibleAnnouncementEvent event(window(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Orca speaks the newest of two show events from one object only, so quick announcements
    // (a move, then the result line) take turns among the notices.
    QWidget* notice = notices_[iNextNotice_++ % notices_.size()];
    notice->setAccessibleName(text);
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
#endif
}
