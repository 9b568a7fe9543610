// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmAbout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVersionNumber>

#include "ThemeColours.h"

namespace {

// The design is in twips; 15 twips are one pixel at 96 dots per inch.
int Px(int twips) { return qRound(twips / 15.0); }
QRect Twips(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

const QStringList kChineseFamilies = {QStringLiteral("宋体"),
                                      QStringLiteral("SimSun"),
                                      QStringLiteral("NSimSun"),
                                      QStringLiteral("AR PL UMing CN"),
                                      QStringLiteral("Noto Serif CJK SC"),
                                      QStringLiteral("Noto Sans CJK SC"),
                                      QStringLiteral("WenQuanYi Zen Hei")};

QFont ChineseFont(qreal pointSize) {
    QFont font;
    font.setFamilies(kChineseFamilies);
    font.setPointSizeF(pointSize);
    return font;
}

QFont TitleFont() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")} +
                     kChineseFamilies);
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QString VersionLine() {
    QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    if (version.isNull()) version = QVersionNumber::fromString(QStringLiteral(QUORVANE_VERSION));
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

QLabel* NewLabel(QWidget* parent, const char* name, const QRect& place, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// A line of the etched separator: drawn, not a control, so the pointer passes through it.
QFrame* NewLine(QWidget* parent, const char* name, const QRect& place, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(place);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

}  // namespace

frmAbout::frmAbout(const QString& applicationTitle, const QIcon& icon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      sTitle(applicationTitle) {
    setWindowTitle(QStringLiteral("关于"));
    setWindowIcon(icon);
    setFont(ChineseFont(9));
    setFixedSize(Px(5865), Px(3525));
    // Moves over the dialog's own background reset the link colour.
    setMouseTracking(true);
    CreateControls(icon);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    setTabOrder(cmdOK, cmdSysInfo);
    // Tab goes on from the buttons through the texts, with a caret, so a screen reader reads
    // each; a click never focuses them, so a mouse user sees no caret.
    QWidget* previous = cmdSysInfo;
    for (QLabel* text : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) {
        text->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
        text->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, text);
        previous = text;
    }
    cmdOK->setFocus();
}

void frmAbout::CreateControls(const QIcon& icon) {
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setAutoFillBackground(true);
    QPalette iconPalette = picIcon->palette();
    iconPalette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    picIcon->setPalette(iconPalette);
    picIcon->setAlignment(Qt::AlignCenter);
    const QRect iconPlace = Twips(240, 240, 540, 540);
    const int border = 2 * picIcon->frameWidth();
    const QPixmap picture = icon.pixmap(iconPlace.size() - QSize(border, border));
    picIcon->setPixmap(picture);
    // Sizes itself to its picture, as the original picture box did.
    picIcon->setGeometry(
        QRect(iconPlace.topLeft(),
              picture.isNull() ? iconPlace.size()
                               : picture.deviceIndependentSize().toSize() + QSize(border, border)));

    lblTitle = NewLabel(this, "lblTitle", Twips(1200, 240, 4095, 480), sTitle);
    lblTitle->setFont(TitleFont());
    SetTextColour(lblTitle, QColor(64, 0, 0));

    lblVersion = NewLabel(this, "lblVersion", Twips(1200, 780, 4095, 225), VersionLine());
    lblDescription = NewLabel(this, "lblDescription", Twips(1200, 1125, 4095, 570),
                              QStringLiteral("与电脑对弈的黑白棋游戏：落子夹住对方的棋子即可翻转，"
                                             "终局时棋子多的一方获胜。"));
    lblCopyright = NewLabel(this, "lblCopyright", Twips(1200, 1920, 4095, 195),
                            QStringLiteral("阅读 Quorvane 说明文档（README）"));
    lblCopyright->setWordWrap(false);
    lblCopyright->setCursor(Qt::PointingHandCursor);
    lblCopyright->setToolTip(HomePage());
    lblCopyright->setMouseTracking(true);
    lblCopyright->installEventFilter(this);
    lblDisclaimer = NewLabel(this, "lblDisclaimer", Twips(255, 2625, 3870, 705),
                             QStringLiteral("警告：本程序按“原样”提供，不附带任何形式的担保。"
                                            "因使用本程序而造成的任何损失，作者概不负责。"));
    SetTextColour(lblDescription, Qt::black);
    SetTextColour(lblDisclaimer, Qt::black);

    // Grey and white etch a groove into a light window; a dark one gets a groove of its own.
    const QColor window = palette().color(QPalette::Window);
    const bool dark = ThemeColours::IsDark(palette());
    Line1[1] = NewLine(this, "Line1(1)", QRect(Px(225), Px(2430), Px(5657) - Px(225) + 1, 1),
                       dark ? window.darker(160) : QColor(0x80, 0x80, 0x80));
    Line1[0] = NewLine(this, "Line1(0)", QRect(Px(240), Px(2445), Px(5657) - Px(240) + 1, 2),
                       dark ? window.lighter(160) : QColor(Qt::white));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips(4245, 2625, 1467, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(Twips(4260, 3075, 1452, 345));
}

QString frmAbout::HomePage() {
    // The project has no web site of its own: the link opens the documentation installed
    // with the game, or the README beside it in a build tree, and at worst the help text.
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {folder.filePath(QStringLiteral("README.md")),
          QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                 QStringLiteral("doc/quorvane/README.md"))}) {
        if (!path.isEmpty() && QFileInfo::exists(path)) return QUrl::fromLocalFile(path).toString();
    }
    return QUrl::fromLocalFile(folder.filePath(QStringLiteral("readme.txt"))).toString();
}

QString frmAbout::FindSysInfoProgram() {
    // System profilers first; a task manager is the nearest thing where none is installed.
    static const char* const kPrograms[] = {"hardinfo2",
                                            "hardinfo",
                                            "kinfocenter",
                                            "lshw-gtk",
                                            "gnome-system-monitor",
                                            "plasma-systemmonitor",
                                            "ksysguard",
                                            "mate-system-monitor",
                                            "xfce4-taskmanager"};
    for (const char* name : kPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return path;
    }
    return QString();
}

void frmAbout::StartSysInfo() {
    const QString program = FindSysInfoProgram();
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    QMessageBox box(QMessageBox::NoIcon, sTitle,
                    QStringLiteral("System Information Is Unavailable At This Time"),
                    QMessageBox::Ok, this);
    box.exec();
}

void frmAbout::SetTextColour(QLabel* label, const QColor& designed) {
    QPalette palette = label->palette();
    const QColor colour = ThemeColours::Text(designed, palette);
    if (palette.color(QPalette::WindowText) == colour && label->testAttribute(Qt::WA_SetPalette)) {
        return;
    }
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void frmAbout::lblCopyright_Click() { QDesktopServices::openUrl(QUrl(HomePage())); }

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblCopyright) {
        switch (event->type()) {
            case QEvent::Enter:
            case QEvent::HoverEnter:
            case QEvent::HoverMove:
            case QEvent::MouseMove:
                SetTextColour(lblCopyright, QColor(0x00, 0xFF, 0x00));
                break;
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton &&
                    lblCopyright->rect().contains(mouse->position().toPoint())) {
                    lblCopyright_Click();
                }
                break;
            }
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    // Moves over a control reach here too when the control ignores them; only the bare
    // background (the separator lines included) turns the link black again.
    if (childAt(event->position().toPoint()) == nullptr) SetTextColour(lblCopyright, Qt::black);
    QDialog::mouseMoveEvent(event);
}
