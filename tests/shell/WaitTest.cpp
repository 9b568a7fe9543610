// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "modWait.h"

// Only order and "at least the time" are promised; the bounds above are generous on purpose,
// the machine is shared.
TEST(WaitMilliseconds, HandlesEventsAtOnceAndANestedWaitOrDialogHoldsItUntilBothAreDone) {
    for (const bool dialog : {false, true}) {
        for (const auto& [outer, inner] : {std::pair{600, 100}, {100, 500}}) {
            SCOPED_TRACE(::testing::Message() << "dialog " << dialog << ", outer " << outer);
            QElapsedTimer clock;
            clock.start();
            qint64 postedAt = -1, innerDoneAt = -1;
            QMetaObject::invokeMethod(qApp, [&] { postedAt = clock.elapsed(); }, Qt::QueuedConnection);
            QTimer::singleShot(20, [&, inner = inner] {
                QDialog box;
                QTimer::singleShot(inner, &box, &QDialog::accept);
                dialog ? void(box.exec()) : modWait::WaitMilliseconds(inner);
                innerDoneAt = clock.elapsed();
            });
            modWait::WaitMilliseconds(outer);
            const qint64 due = std::max<qint64>(outer, innerDoneAt);
            EXPECT_TRUE(postedAt >= 0 && postedAt < 300) << postedAt;
            EXPECT_GE(innerDoneAt, 20 + inner);
            EXPECT_GE(clock.elapsed(), due);
            EXPECT_LT(clock.elapsed() - due, 500);
        }
    }
    bool handled = false;  // a negative time only handles what is pending; a timer would hang
    QMetaObject::invokeMethod(qApp, [&] { handled = true; }, Qt::QueuedConnection);
    modWait::WaitMilliseconds(-1);
    EXPECT_TRUE(handled);
}
