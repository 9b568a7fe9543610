// Status lines, the board-size entry under a comma-decimal locale, and an invalid record
// opened in the middle of a replay.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <QToolButton>
#include <clocale>
#include <cstdlib>

#include "ReplayPanel.h"
#include "StatusLabel.h"
#include "UiTestSupport.h"

namespace {

// What the label shows must be the start of the whole text, end on a whole character and
// be the longest such start that fits; the whole text stays reachable.
void ExpectShownFits(QLabel* label, const QString& whole) {
    SCOPED_TRACE(whole.toStdString());
    const QString shown = label->text();
    const QFontMetrics metrics = label->fontMetrics();
    const int room = label->contentsRect().width();
    EXPECT_TRUE(whole.startsWith(shown));
    EXPECT_LE(metrics.horizontalAdvance(shown), room);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, whole);
    characters.setPosition(shown.size());
    EXPECT_TRUE(characters.isAtBoundary());
    if (shown != whole) {
        EXPECT_GT(metrics.horizontalAdvance(whole.left(characters.toNextBoundary())), room);
    }
    EXPECT_EQ(label->toolTip(), shown == whole ? QString() : whole);
    EXPECT_EQ(label->accessibleName(), whole);
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST(StatusLines, LongTextsEndOnAWholeCharacterAndKeepTheWholeText) {
    TestWindow w;
    auto* line0 = w->findChild<QLabel*>("lblStatus0");
    bool checked = false;
    // The computer's hint is the longest line; it shows while the computer waits.
    w.duringNextWait = [&] {
        ASSERT_EQ(w->StatusText(0), "提示：轮计算机走棋，计算机执白棋");
        EXPECT_NE(line0->text(), w->StatusText(0));
        ExpectShownFits(line0, w->StatusText(0));
        checked = true;
    };
    w.ClickCell(3, 4);
    EXPECT_TRUE(checked);
    for (int i = 0; i < 4; ++i)
        ExpectShownFits(w->findChild<QLabel*>(QString("lblStatus%1").arg(i)), w->StatusText(i));
    // An accent written as its own code point belongs to the letter before it.
    const QString accents = "提示：" + QString("e\u0301").repeated(60);
    qobject_cast<StatusLabel*>(line0)->SetStatusText(accents);
    ExpectShownFits(line0, accents);
}

TEST(BoardSizeEntry, MeansTheSameUnderACommaDecimalLocale) {
    QTemporaryDir locales;
    ASSERT_EQ(QProcess::execute("localedef",
                                {"-i", "de_DE", "-f", "UTF-8", locales.filePath("de_DE.UTF-8")}),
              0);
    setenv("LOCPATH", locales.path().toLocal8Bit().constData(), 1);
    // What QApplication does with LANG=de_DE.UTF-8.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    TestWindow w;
    for (const auto& [entry, side] : {std::pair{"9.5", 10}, {"8.5", 8}, {"2.5e1", 25}}) {
        w.script->inputs.push_back(QString(entry));
        w->mnuSize_Click();
        EXPECT_EQ(w->game().iBoardSize, side) << entry;
    }
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    unsetenv("LOCPATH");
}

TEST(InvalidOpenDuringReplay, LeavesAGameThatAgreesWithItsBoard) {
    QTemporaryDir dir;
    TestWindow w;
    const QString good = dir.filePath("good.zvr");
    const QString bad = dir.filePath("bad.zvr");
    ASSERT_TRUE(WriteFile(good, "Size8 BE4 WD4 BD5 WE5 BD3 \r\n"));
    ASSERT_TRUE(WriteFile(bad, "size8 BE4\r\n"));
    w.OpenRecord(good);
    w->picReplay->Button(ReplayButton::StepPlay)->click();
    w.OpenRecord(bad);

    // Black's replayed move left four black discs and one white; the player holds black.
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(w->StatusText(1), "轮次：1");
    EXPECT_EQ(w->StatusText(2), "玩家得分：4");
    EXPECT_EQ(w->StatusText(3), "计算机得分：1");
    EXPECT_EQ(InvariantFailures(*w), "");

    // The game goes on from there: taking the last white disc ends it.
    w.ClickCell(6, 5);
    EXPECT_EQ(w->StatusText(0), "提示：子被吃尽，你赢了");
    EXPECT_EQ(InvariantFailures(*w), "");
}

}  // namespace
