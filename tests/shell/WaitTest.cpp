#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "modWait.h"

// Bounds are generous on purpose: the machine is shared, and only the order of events and
// "at least the requested time" are promised.
constexpr qint64 kSlack = 1500;

TEST(WaitMilliseconds, HandlesTimersPostedEventsAndClicksAtOnceAndLastsTheTime) {
    QPushButton button(QStringLiteral("OK"));
    button.show();
    QElapsedTimer clock;
    clock.start();
    qint64 timerAt = -1, postedAt = -1, clickedAt = -1;
    QObject::connect(&button, &QPushButton::clicked, [&] { clickedAt = clock.elapsed(); });
    QTimer::singleShot(50, [&] { timerAt = clock.elapsed(); });
    QMetaObject::invokeMethod(
        qApp, [&] { postedAt = clock.elapsed(); }, Qt::QueuedConnection);
    // A click queued like one from the window system, arriving mid-wait.
    QTimer::singleShot(100, [&] {
        const QPointF centre = QRectF(button.rect()).center();
        QCoreApplication::postEvent(
            &button, new QMouseEvent(QEvent::MouseButtonPress, centre, button.mapToGlobal(centre),
                                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(
            &button, new QMouseEvent(QEvent::MouseButtonRelease, centre, button.mapToGlobal(centre),
                                     Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    });

    modWait::WaitMilliseconds(600);
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 600);
    EXPECT_LT(elapsed, 600 + kSlack);
    EXPECT_GE(postedAt, 0);
    EXPECT_LT(postedAt, 400);
    EXPECT_GE(timerAt, 50);
    EXPECT_LT(timerAt, 400);
    EXPECT_GE(clickedAt, 100);
    EXPECT_LT(clickedAt, 500);
}

TEST(WaitMilliseconds, NestedWaitHoldsTheOuterOneWhichThenReturnsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    qint64 innerDoneAt = -1;
    QTimer::singleShot(50, [&] {
        modWait::WaitMilliseconds(500);
        innerDoneAt = clock.elapsed();
    });
    modWait::WaitMilliseconds(100);
    const qint64 outerDoneAt = clock.elapsed();
    EXPECT_GE(innerDoneAt, 550);
    EXPECT_GE(outerDoneAt, innerDoneAt);
    EXPECT_LT(outerDoneAt - innerDoneAt, kSlack / 3);

    // A short nested wait does not end a longer outer one early.
    clock.restart();
    innerDoneAt = -1;
    QTimer::singleShot(20, [&] {
        modWait::WaitMilliseconds(50);
        innerDoneAt = clock.elapsed();
    });
    modWait::WaitMilliseconds(400);
    EXPECT_GE(innerDoneAt, 70);
    EXPECT_LT(innerDoneAt, 400);
    EXPECT_GE(clock.elapsed(), 400);
}

TEST(WaitMilliseconds, ModalDialogHoldsTheWaitUntilItCloses) {
    QElapsedTimer clock;
    clock.start();
    qint64 closedAt = -1;
    QTimer::singleShot(20, [&] {
        QDialog dialog;
        QTimer::singleShot(500, &dialog, &QDialog::accept);
        dialog.exec();
        closedAt = clock.elapsed();
    });
    modWait::WaitMilliseconds(100);
    const qint64 doneAt = clock.elapsed();
    EXPECT_GE(closedAt, 520);
    EXPECT_GE(doneAt, closedAt);
    EXPECT_LT(doneAt - closedAt, kSlack / 3);
}

TEST(WaitMilliseconds, ZeroOrNegativeOnlyHandlesWhatIsPending) {
    for (const int32_t milliseconds : {0, -1, -1000}) {
        bool handled = false;
        QMetaObject::invokeMethod(
            qApp, [&] { handled = true; }, Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        modWait::WaitMilliseconds(milliseconds);
        EXPECT_TRUE(handled) << milliseconds;
        EXPECT_LT(clock.elapsed(), kSlack) << milliseconds;
    }
}
