#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ShellTestSupport.h"
#include "frmAbout.h"

namespace {

class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    }
    QLabel* Label(const char* name) { return about.findChild<QLabel*>(name); }

    frmAbout about{"Quorvane", QIcon(":/quorvane.png")};
};

TEST_F(AboutBox, ShowsTheCaptionAndTheVersionAndEnterAndEscapeBothClose) {
    ASSERT_NE(Label("lblTitle"), nullptr);
    EXPECT_EQ(Label("lblTitle")->text(), "Quorvane");
    EXPECT_EQ(Label("lblVersion")->text(), "Version 3.0.0");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

TEST_F(AboutBox, NoSystemInformationProgramShowsTheMessageAndTheBoxStays) {
    QTemporaryDir emptyBin;
    ScopedEnv path("PATH", emptyBin.path());
    QString shown;
    QTimer::singleShot(0, &about, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(shown, "Quorvane: System Information Is Unavailable At This Time");
    EXPECT_TRUE(about.isVisible());
}

TEST(AboutSysInfo, FindsAnExecutableToolOnPath) {
    QTemporaryDir first, second;
    ScopedEnv path("PATH", first.path() + ":" + second.path());
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), "");
    ASSERT_TRUE(WriteExecutable(second.filePath("xfce4-taskmanager"), "#!/bin/sh\n"));
    ASSERT_TRUE(QFile(first.filePath("hardinfo")).open(QIODevice::WriteOnly));  // not a program
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), second.filePath("xfce4-taskmanager"));
}

}  // namespace
