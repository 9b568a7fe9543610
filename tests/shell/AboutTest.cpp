#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ShellTestSupport.h"
#include "frmAbout.h"

namespace {

TEST(AboutBox, ShowsTitleAndVersionAndClosesOnEnterAndEscape) {
    frmAbout about("Quorvane", QIcon(":/quorvane.png"));
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Quorvane");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 3.0.0");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

// Without one the box says so and stays; a plain file of a known name is no program.
TEST(AboutBox, FindsASystemInformationProgramOnPathOrSaysThereIsNone) {
    QTemporaryDir first, second;
    ScopedEnv path("PATH", first.path() + ":" + second.path());
    ASSERT_TRUE(QFile(first.filePath("hardinfo")).open(QIODevice::WriteOnly));
    frmAbout about("Quorvane", QIcon(":/quorvane.png"));
    about.show();
    QString shown;
    QTimer::singleShot(0, &about, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box->windowTitle() + ": " + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(shown, "Quorvane: System Information Is Unavailable At This Time");
    EXPECT_TRUE(about.isVisible());
    ASSERT_TRUE(WriteExecutable(second.filePath("xfce4-taskmanager"), "#!/bin/sh\n"));
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), second.filePath("xfce4-taskmanager"));
}

}  // namespace
