#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "Help.h"
#include "UrlCatcher.h"

TEST(HelpContents, OpensReadmeFromTheProgramFolderWhichBecomesCurrent) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    UrlCatcher catcher("file");

    Help::ShowContents();

    const QString folder = QCoreApplication::applicationDirPath();
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl::fromLocalFile(folder + "/readme.txt"));
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(folder).canonicalPath());
    QDir::setCurrent(before);
}
