// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusPanel.h"

#include <QAccessibleWidget>
#include <utility>

namespace {

QAccessibleInterface* StatusPanelFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (qobject_cast<StatusPanel*>(object)) return new QAccessibleWidget(widget, QAccessible::StatusBar);
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
