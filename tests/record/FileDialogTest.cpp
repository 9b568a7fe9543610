// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "modCommonDialogs.h"

namespace {

// Answers the file dialog once it is shown: types the name and presses Return, or cancels
// when the name is empty.
void WhenShown(const QString& name, int attempts = 500) {
    QTimer::singleShot(10, [name, attempts] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && attempts > 0) return WhenShown(name, attempts - 1);
        if (dialog == nullptr || name.isEmpty()) return dialog ? dialog->reject() : void();
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

QString Show(const QTemporaryDir& dir, int16_t mode, const QString& name) {
    WhenShown(name);
    return modCommonDialogs::ShowFileDialog(nullptr, mode, "Zorvel Record", QString(),
                                            "Zorvel Record(*.zvr)|*.zvr", dir.path(), "zvr", 1);
}

TEST(FileDialog, OpenByTypedNameCancelAndSaveWithTheDefaultExtension) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("game.zvr")).open(QIODevice::WriteOnly));
    EXPECT_EQ(Show(dir, modCommonDialogs::kOpenDialog, "game.zvr"), dir.filePath("game.zvr"));
    EXPECT_EQ(Show(dir, modCommonDialogs::kOpenDialog, ""), "");
    EXPECT_EQ(Show(dir, 2, "new game"), dir.filePath("new game.zvr"));
}

// A name in a folder that does not exist is refused by the dialog itself, which stays open
// for another name.
TEST(FileDialog, SaveRefusesAFolderThatDoesNotExist) {
    QTemporaryDir dir;
    bool refused = false;
    int attempts = 500;
    std::function<void()> answerBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return --attempts > 0 ? QTimer::singleShot(10, answerBox) : void();
        refused = true;
        box->accept();
        WhenShown("kept");
    };
    QTimer::singleShot(10, answerBox);
    EXPECT_EQ(Show(dir, 2, "nowhere/lost.zvr"), dir.filePath("kept.zvr"));
    EXPECT_TRUE(refused);
}

}  // namespace
