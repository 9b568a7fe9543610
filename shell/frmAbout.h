// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

// The About box: icon, title, version, a description, a warning, a link to the home page
// and a button that starts the desktop's system-information program. Fixed size, laid out
// in the pixels of the original twips design. Created for each showing.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    frmAbout(const QString& applicationTitle, const QIcon& icon, QWidget* parent = nullptr);

    // Starts the system-information program, or tells the user there is none.
    void StartSysInfo();
    // Full path of the first system-information program found on PATH, or "".
    static QString FindSysInfoProgram();
    // The address the link label leads to.
    static QString HomePage();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void CreateControls(const QIcon& icon);
    // The colour the look gives the label, or one that reads on a dark palette (the label's
    // own palette is unchanged when it already shows that colour).
    void SetTextColour(QLabel* label, const QColor& designed);
    void lblCopyright_Click();

    QString sTitle;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QFrame* Line1[2] = {nullptr, nullptr};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};
