// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "Help.h"
#include "QuorvaneIcon.h"
#include "TestFiles.h"
#include "frmAbout.h"

namespace {

// Without one the box says so and stays; a plain file of a known name is no program.
TEST(AboutBox, FindsASystemInformationProgramOnPathOrSaysThereIsNone) {
    QTemporaryDir first, second;
    ScopedEnv path("PATH", first.path() + ":" + second.path());
    ASSERT_TRUE(QFile(first.filePath("hardinfo")).open(QIODevice::WriteOnly));
    frmAbout about("Quorvane", QuorvaneIcon());
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
    ASSERT_TRUE(WriteAll(second.filePath("xfce4-taskmanager"), "#!/bin/sh\n", true));
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), second.filePath("xfce4-taskmanager"));
}

}  // namespace

// Stands in for the desktop's file handler, so the test sees what would be opened.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    UrlCatcher() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

TEST(HelpContents, OpensReadmeFromTheProgramFolderWhichBecomesCurrent) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    UrlCatcher catcher;
    Help::ShowContents();
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(catcher.opened, QList{QUrl::fromLocalFile(folder + "/readme.txt")});
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder).canonicalPath());
    QDir::setCurrent(before);
}

#include "AboutTest.moc"
