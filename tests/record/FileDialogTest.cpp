#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "modCommonDialogs.h"

namespace {

// Answers the file dialog once it is shown: types the name and presses Return, or cancels
// when the name is empty.
void WhenShown(const QString& name, int attempts = 500) {
    QTimer::singleShot(10, [name, attempts] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && attempts > 0) return WhenShown(name, attempts - 1);
        if (dialog == nullptr) return;
        if (name.isEmpty()) return dialog->reject();
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

TEST(FileDialog, OpenByTypedNameCancelAndSaveWithTheDefaultExtension) {
    QTemporaryDir dir;
    QFile(dir.filePath("game.zvr")).open(QIODevice::WriteOnly);
    const auto show = [&](int16_t mode, const QString& name) {
        WhenShown(name);
        return modCommonDialogs::ShowFileDialog(nullptr, mode, "Zorvel Record", QString(),
                                                "Zorvel Record(*.zvr)|*.zvr", dir.path(), "zvr", 1);
    };
    EXPECT_EQ(show(modCommonDialogs::kOpenDialog, "game.zvr"), dir.filePath("game.zvr"));
    EXPECT_EQ(show(modCommonDialogs::kOpenDialog, ""), "");
    EXPECT_EQ(show(2, "new game"), dir.filePath("new game.zvr"));
}

}  // namespace
