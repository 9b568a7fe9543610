#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "modCommonDialogs.h"

namespace {

const QString kFilter = QStringLiteral("Zorvel Record(*.zvr)|*.zvr");
const QString kQtFilter = QStringLiteral("Zorvel Record (*.zvr)");

// Runs `action` on the first modal widget of type T, polling as a user would wait for it.
template <class T>
void WhenModal(std::function<void(T*)> action, int attempts = 500) {
    QTimer::singleShot(10, [action, attempts] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            action(widget);
        } else if (attempts > 0) {
            WhenModal<T>(action, attempts - 1);
        } else {
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
}

void TypeFileName(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile file(dir_.filePath("game.zvr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Size8 BE4 WD4 BD5 WE5 \r\n");
    }
    QString Show(int16_t mode, const QString& title) {
        // A dialog the script failed to close must not hang the whole suite.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            ADD_FAILURE() << "dialog left open";
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        guard.start(10000);
        return modCommonDialogs::ShowFileDialog(nullptr, mode, title, QString(), kFilter,
                                                dir_.path(), QStringLiteral("zvr"), 1);
    }
    QTemporaryDir dir_;
};

TEST(ToQtNameFilters, ConvertsThePipeForm) {
    EXPECT_EQ(modCommonDialogs::ToQtNameFilters(kFilter), QStringList{kQtFilter});
    EXPECT_EQ(modCommonDialogs::ToQtNameFilters(
                  "Zorvel Record(*.zvr)|*.zvr|Text (*.txt;*.log)|*.txt;*.log|All files|*.*|"),
              (QStringList{kQtFilter, "Text (*.txt *.log)", "All files (*)"}));
    EXPECT_EQ(modCommonDialogs::ToQtNameFilters("|*.zvr"), QStringList{"*.zvr (*.zvr)"});
    EXPECT_TRUE(modCommonDialogs::ToQtNameFilters("").isEmpty());
    EXPECT_TRUE(modCommonDialogs::ToQtNameFilters("Orphan description").isEmpty());
}

TEST_F(FileDialogTest, OpenDialogOpensAnExistingFileByItsTypedName) {
    WhenModal<QFileDialog>([this](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Open Zorvel Record");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->selectedNameFilter(), kQtFilter);
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir_.path()).absolutePath());
        TypeFileName(dialog, "game.zvr");
    });
    EXPECT_EQ(Show(modCommonDialogs::kOpenDialog, "Open Zorvel Record"),
              QDir(dir_.path()).absoluteFilePath("game.zvr"));
}

TEST_F(FileDialogTest, OpenDialogRefusesAMissingFileAndCancelGivesNothing) {
    bool warned = false;
    bool stayedOpen = false;
    WhenModal<QFileDialog>([&warned, &stayedOpen](QFileDialog* dialog) {
        // Qt names the missing file in a warning box and keeps the dialog open.
        WhenModal<QMessageBox>([&warned](QMessageBox* box) {
            warned = true;
            box->accept();
        });
        TypeFileName(dialog, "nothing-here.zvr");
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_EQ(Show(modCommonDialogs::kOpenDialog, "Open Zorvel Record"), QString());
    EXPECT_TRUE(warned);
    EXPECT_TRUE(stayedOpen);

    WhenModal<QFileDialog>([](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(Show(0, "Save Zorvel Record As"), QString());
}

TEST_F(FileDialogTest, SaveDialogAppendsTheDefaultExtension) {
    WhenModal<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save Zorvel Record As");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), "zvr");
        TypeFileName(dialog, "new game");
    });
    EXPECT_EQ(Show(2, "Save Zorvel Record As"), QDir(dir_.path()).absoluteFilePath("new game.zvr"));
}

TEST_F(FileDialogTest, SaveDialogAsksBeforeReplacingAFile) {
    bool asked = false;
    WhenModal<QFileDialog>([&asked](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&asked](QMessageBox* box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
        TypeFileName(dialog, "game");
    });
    EXPECT_EQ(Show(2, "Save Zorvel Record As"), QDir(dir_.path()).absoluteFilePath("game.zvr"));
    EXPECT_TRUE(asked);
}

}  // namespace
