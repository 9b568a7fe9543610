// Files dropped on the window: one record file opens as Open does, anything else is refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "UiTestSupport.h"

namespace {

TEST(Drop, OneRecordFileOpensAndEverythingElseIsRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath("game.zvr"), "Size6 BD3 WC3 BC4 WD4 \r\n"));
    ASSERT_TRUE(WriteFile(dir.filePath("bad.zvr"), "size8 BE4\r\n"));
    ASSERT_TRUE(WriteFile(dir.filePath("picture.png"), "\x89PNG\r\n"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.zvr"));
    struct Case {
        QStringList files;
        bool accepted;
        std::string recordEnd;
        bool replay;
    };
    for (const Case& c :
         {Case{{"game.zvr"}, true, "Size6 BD3 WC3 BC4 WD4 ", true},
          Case{{"bad.zvr"}, true, "size8 BE4\r\n(Invalid)", false},
          Case{{"picture.png"}, false, "WE5 ", false}, Case{{"folder.zvr"}, false, "WE5 ", false},
          Case{{"game.zvr", "game.zvr"}, false, "WE5 ", false}}) {
        TestWindow w;
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : c.files) urls << QUrl::fromLocalFile(dir.filePath(file));
        data.setUrls(urls);
        // Over the record box, which takes no drops itself.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->txtRecord->viewport(), &enter);
        EXPECT_EQ(enter.isAccepted(), c.accepted) << c.files.join(",").toStdString();
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.window.get(), &drop);
        EXPECT_TRUE(w.Record().ends_with(c.recordEnd)) << w.Record();
        EXPECT_EQ(w->game().bReplayMode, c.replay);
        EXPECT_EQ(w->StatusText(0), c.replay ? "提示：棋谱播放" : "提示：轮你走棋，你执黑棋");
    }
}

}  // namespace
