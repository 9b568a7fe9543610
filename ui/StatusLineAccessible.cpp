// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusLineAccessible.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "StatusLabel.h"

namespace {

// The name is the accessible name where the label has one (a status line's whole text, which
// may be more than it shows), else what it shows; the text content is the name.
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

QAccessibleInterface* StatusLineFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<StatusLabel*>(object);
    return label ? new StatusLineAccessible(label) : nullptr;
}

}  // namespace

void InstallStatusLineAccessibility() {
    static const bool installed = (QAccessible::installFactory(StatusLineFactory), true);
    (void)installed;
}
