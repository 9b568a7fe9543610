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

void TypeName(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

// A name in a folder that does not exist is refused by the dialog itself, which stays open
// for another name.
TEST(SaveDialog, RefusesAFolderThatDoesNotExistAndStaysOpen) {
    QTemporaryDir dir;
    bool refused = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&, dialog](QMessageBox* box) {
            refused = dialog->isVisible();
            box->accept();
            TypeName(dialog, "kept");
        });
        TypeName(dialog, "nowhere/lost.zvr");
    });
    const QString chosen = modCommonDialogs::ShowFileDialog(
        nullptr, 2, "Save", QString(), "Zorvel Record(*.zvr)|*.zvr", dir.path(), "zvr", 1);
    EXPECT_TRUE(refused);
    EXPECT_EQ(chosen, dir.filePath("kept.zvr"));
}

}  // namespace
