#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "Help.h"

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

#include "HelpTest.moc"
