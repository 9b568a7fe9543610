#include "Dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "modCommonDialogs.h"

namespace {

const QString kRecordFilter = "Zorvel Record(*.zvr)|*.zvr";

QString RecordDialog(QWidget* owner, int16_t mode, const QString& title) {
    return modCommonDialogs::ShowFileDialog(owner, mode, title, QString(), kRecordFilter,
                                            QCoreApplication::applicationDirPath(), "zvr", 1);
}

}  // namespace

void WidgetDialogs::Inform(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, owner);
    box.exec();
}

bool WidgetDialogs::AskYesNo(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> WidgetDialogs::InputText(QWidget* owner, const QString& title,
                                                const QString& prompt, const QString& initial,
                                                QPoint at) {
    QInputDialog box(owner);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.move(at);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

QString WidgetDialogs::OpenRecordPath(QWidget* owner) {
    return RecordDialog(owner, modCommonDialogs::kOpenDialog, "Open Zorvel Record");
}

QString WidgetDialogs::SaveRecordPath(QWidget* owner) {
    return RecordDialog(owner, 2, "Save Zorvel Record As");
}
