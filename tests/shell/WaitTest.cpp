#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "modWait.h"

// Generous on purpose: the machine is shared; only order and "at least the time" are promised.
constexpr qint64 kSlack = 1500;

TEST(WaitMilliseconds, LastsTheTimeAndHandlesTimersAndPostedEventsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    qint64 timerAt = -1, postedAt = -1;
    QTimer::singleShot(50, [&] { timerAt = clock.elapsed(); });
    QMetaObject::invokeMethod(
        qApp, [&] { postedAt = clock.elapsed(); }, Qt::QueuedConnection);

    modWait::WaitMilliseconds(600);

    EXPECT_GE(clock.elapsed(), 600);
    EXPECT_LT(clock.elapsed(), 600 + kSlack);
    EXPECT_TRUE(postedAt >= 0 && postedAt < 400) << postedAt;
    EXPECT_TRUE(timerAt >= 50 && timerAt < 400) << timerAt;
}

TEST(WaitMilliseconds, NestedWaitOrModalDialogHoldsTheOuterWaitWhichThenEndsOnTime) {
    for (const bool dialog : {false, true}) {
        for (const auto& [outer, inner] : {std::pair{100, 500}, std::pair{400, 50}}) {
            SCOPED_TRACE(::testing::Message() << "dialog " << dialog << ", outer " << outer);
            QElapsedTimer clock;
            clock.start();
            qint64 innerDoneAt = -1;
            QTimer::singleShot(20, [&, inner = inner] {
                QDialog box;
                QTimer::singleShot(inner, &box, &QDialog::accept);
                dialog ? void(box.exec()) : modWait::WaitMilliseconds(inner);
                innerDoneAt = clock.elapsed();
            });
            modWait::WaitMilliseconds(outer);
            const qint64 due = std::max<qint64>(outer, innerDoneAt);
            EXPECT_GE(innerDoneAt, 20 + inner);
            EXPECT_GE(clock.elapsed(), due);
            EXPECT_LT(clock.elapsed() - due, kSlack / 3);
        }
    }
}

TEST(WaitMilliseconds, NegativeTimeOnlyHandlesWhatIsPending) {
    bool handled = false;
    QMetaObject::invokeMethod(
        qApp, [&] { handled = true; }, Qt::QueuedConnection);
    modWait::WaitMilliseconds(-1);  // a timer would refuse it and never end the wait
    EXPECT_TRUE(handled);
}
