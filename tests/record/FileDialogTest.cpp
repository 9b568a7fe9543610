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

// Runs `answer` on the modal window of type T as soon as one is shown.
template <class T>
void WhenModal(std::function<void(T*)> answer, int attempts = 500) {
    QTimer::singleShot(10, [answer, attempts] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (modal != nullptr) return answer(modal);
        if (attempts > 0) WhenModal(answer, attempts - 1);
    });
}

// Types the name and presses Return, or cancels for an empty name.
void Answer(QFileDialog* dialog, const QString& name) {
    if (name.isEmpty()) return dialog->reject();
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString Show(const QTemporaryDir& dir, int16_t mode, const QString& name) {
    WhenModal<QFileDialog>([name](QFileDialog* dialog) { Answer(dialog, name); });
    return modCommonDialogs::ShowFileDialog(nullptr, mode, "Zorvel Record", QString(),
                                            "Zorvel Record(*.zvr)|*.zvr", dir.path(), "zvr", 1);
}

// A name in a folder that does not exist is refused by the save dialog itself, which stays
// open for another name.
TEST(FileDialog, OpenByTypedNameCancelAndSaveWithTheDefaultExtension) {
    QTemporaryDir dir;
    QFile(dir.filePath("game.zvr")).open(QIODevice::WriteOnly);
    EXPECT_EQ(Show(dir, modCommonDialogs::kOpenDialog, "game.zvr"), dir.filePath("game.zvr"));
    EXPECT_EQ(Show(dir, modCommonDialogs::kOpenDialog, ""), "");
    EXPECT_EQ(Show(dir, 2, "new game"), dir.filePath("new game.zvr"));

    bool refused = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&, dialog](QMessageBox* box) {
            refused = dialog->isVisible();
            box->accept();
            Answer(dialog, "kept");
        });
        Answer(dialog, "nowhere/lost.zvr");
    });
    EXPECT_EQ(modCommonDialogs::ShowFileDialog(nullptr, 2, "Save", QString(),
                                               "Zorvel Record(*.zvr)|*.zvr", dir.path(), "zvr", 1),
              dir.filePath("kept.zvr"));
    EXPECT_TRUE(refused);
}

}  // namespace
