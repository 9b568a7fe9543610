#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ShellTestSupport.h"
#include "UrlCatcher.h"
#include "frmAbout.h"

namespace {

const QColor kGreen(0x00, 0xFF, 0x00);

class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    }
    template <typename T = QWidget>
    T* Control(const char* name) {
        T* control = about.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Text(const char* name) { return Control<QLabel>(name)->text(); }
    QColor LinkColour() {
        return Control<QLabel>("lblCopyright")->palette().color(QPalette::WindowText);
    }
    // Moves the pointer through the window system, as a real mouse would.
    void PointAt(QPoint dialogPoint) {
        QCursor::setPos(about.mapToGlobal(dialogPoint));
        QCoreApplication::processEvents();
    }

    struct AnsweredBox {
        QString title, text;
        QMessageBox::StandardButtons buttons;
    };
    // Clicks System Info and answers the message box it shows, if any, with OK.
    AnsweredBox ClickSysInfoAndAnswer() {
        AnsweredBox answered;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answered = {box->windowTitle(), box->text(), box->standardButtons()};
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(10);
        QTest::mouseClick(Control("cmdSysInfo"), Qt::LeftButton);
        return answered;
    }

    frmAbout about{"Quorvane", QIcon(":/quorvane.png")};
};

TEST_F(AboutBox, ShowsTheTextsOfTheProgram) {
    EXPECT_EQ(about.windowTitle(), "关于");
    EXPECT_EQ(Text("lblTitle"), "Quorvane");
    EXPECT_EQ(Text("lblVersion"), "Version 3.0.0");
    EXPECT_EQ(Control<QPushButton>("cmdOK")->text(), "OK");
    EXPECT_TRUE(Control<QPushButton>("cmdOK")->isDefault());
    EXPECT_EQ(Control<QPushButton>("cmdSysInfo")->text(), "&System Info...");
    for (const char* name : {"lblDescription", "lblCopyright", "lblDisclaimer"}) {
        const QString text = Text(name);
        EXPECT_TRUE(
            std::any_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }))
            << name << " has no Chinese text";
    }
    EXPECT_TRUE(frmAbout::HomePage().startsWith("https://"));
    EXPECT_TRUE(QUrl(frmAbout::HomePage()).host().endsWith("example.org"));

    const QFont title = Control("lblTitle")->font();
    EXPECT_TRUE(title.bold());
    EXPECT_EQ(title.pointSize(), 12);
    EXPECT_EQ(title.families().value(0), "MS Sans Serif");
    EXPECT_EQ(Control("lblTitle")->palette().color(QPalette::WindowText), QColor(64, 0, 0));
    EXPECT_FALSE(Control<QLabel>("picIcon")->pixmap().isNull());
}

TEST_F(AboutBox, VersionLineFollowsTheApplicationVersion) {
    const QString before = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion("4.12.7");
    frmAbout other("Quorvane", QIcon());
    QCoreApplication::setApplicationVersion(before);
    EXPECT_EQ(other.findChild<QLabel*>("lblVersion")->text(), "Version 4.12.7");
}

TEST_F(AboutBox, ControlsSitWhereTheTwipsDesignPutsThem) {
    EXPECT_EQ(about.size(), QSize(391, 235));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() &
                 (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));

    const std::pair<const char*, QRect> places[] = {
        {"picIcon", QRect(16, 16, 36, 36)},        {"lblTitle", QRect(80, 16, 273, 32)},
        {"lblVersion", QRect(80, 52, 273, 15)},    {"lblDescription", QRect(80, 75, 273, 38)},
        {"lblCopyright", QRect(80, 128, 273, 13)}, {"Line1(1)", QRect(15, 162, 363, 1)},
        {"Line1(0)", QRect(16, 163, 362, 2)},      {"lblDisclaimer", QRect(17, 175, 258, 47)},
        {"cmdOK", QRect(283, 175, 98, 23)},        {"cmdSysInfo", QRect(284, 205, 97, 23)},
    };
    for (const auto& [name, place] : places) EXPECT_EQ(Control(name)->geometry(), place) << name;

    EXPECT_EQ(Control("cmdOK")->nextInFocusChain(), Control("cmdSysInfo"));
    EXPECT_TRUE(Control("cmdOK")->hasFocus());
}

TEST_F(AboutBox, LinkTurnsGreenUnderThePointerAndBlackOnlyOverTheBackground) {
    const QLabel plain;
    EXPECT_EQ(LinkColour(), plain.palette().color(QPalette::WindowText));

    PointAt({100, 134});  // on the link
    EXPECT_EQ(LinkColour(), kGreen);
    PointAt({300, 185});  // on the OK button
    EXPECT_EQ(LinkColour(), kGreen);
    PointAt({100, 60});  // on the version label
    EXPECT_EQ(LinkColour(), kGreen);
    PointAt({200, 152});  // bare background
    EXPECT_EQ(LinkColour(), QColor(Qt::black));
    PointAt({110, 134});
    EXPECT_EQ(LinkColour(), kGreen);
    PointAt({200, 163});  // the separator is drawn on the background
    EXPECT_EQ(LinkColour(), QColor(Qt::black));
}

TEST_F(AboutBox, LinkOpensTheHomePageAndTheBoxStaysOpen) {
    UrlCatcher catcher("https");
    QTest::mouseClick(Control("lblCopyright"), Qt::LeftButton, {}, QPoint(20, 6));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl(frmAbout::HomePage()));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, EnterAndEscapeBothClose) {
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);

    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Rejected);
}

TEST_F(AboutBox, NoSystemInformationProgramShowsTheMessageAndTheBoxStays) {
    QTemporaryDir emptyBin;
    ScopedEnv path("PATH", emptyBin.path().toLocal8Bit());
    const AnsweredBox box = ClickSysInfoAndAnswer();
    EXPECT_EQ(box.text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(box.title, "Quorvane");
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, ProgramThatCannotStartShowsTheMessage) {
    QTemporaryDir bin;
    ASSERT_TRUE(WriteExecutable(bin.filePath("hardinfo"), "#!/nonexistent/interpreter\n"));
    ScopedEnv path("PATH", bin.path().toLocal8Bit());
    ASSERT_EQ(frmAbout::FindSysInfoProgram(), bin.filePath("hardinfo"));
    EXPECT_EQ(ClickSysInfoAndAnswer().text, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, FoundSystemInformationProgramIsStarted) {
    QTemporaryDir bin;
    const QString marker = bin.filePath("started");
    ASSERT_TRUE(WriteExecutable(bin.filePath("gnome-system-monitor"),
                                "#!/bin/sh\n: > '" + marker.toLocal8Bit() + "'\n"));
    ScopedEnv path("PATH", bin.path().toLocal8Bit());
    bool dialogShown = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &about) {
            dialogShown = true;
            modal->close();
        }
    });
    watcher.start(10);

    about.StartSysInfo();

    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000));
    EXPECT_FALSE(dialogShown);
}

TEST(AboutSysInfo, FindsTheFirstExecutableToolOnPath) {
    QTemporaryDir first, second;
    ScopedEnv path("PATH", (first.path() + ":" + second.path()).toLocal8Bit());
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), "");

    ASSERT_TRUE(WriteExecutable(second.filePath("xfce4-taskmanager"), "#!/bin/sh\n"));
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), second.filePath("xfce4-taskmanager"));

    // A file that is not executable is not a program.
    QFile notExecutable(first.filePath("hardinfo"));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), second.filePath("xfce4-taskmanager"));

    // A system profiler is preferred to a task manager.
    ASSERT_TRUE(WriteExecutable(second.filePath("hardinfo"), "#!/bin/sh\n"));
    EXPECT_EQ(frmAbout::FindSysInfoProgram(), second.filePath("hardinfo"));
}

}  // namespace
