// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modRegister.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "QuorvaneIcon.h"

namespace modRegister {
namespace {

// The name the package gives the program's icon and its record type's files.
const QString kPackageName = QStringLiteral("invalid.quorvane.Quorvane");

// Lower-case letters and digits, every other run of characters turned into one "-".
QString Slug(const QString& text) {
    QString slug;
    for (const QChar c : text.toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
            slug += c;
        } else if (!slug.isEmpty() && !slug.endsWith(u'-')) {
            slug += u'-';
        }
    }
    while (slug.endsWith(u'-')) slug.chop(1);
    return slug;
}

bool WriteFile(const QString& path, const QByteArray& contents) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteIcon(const QString& path, const QImage& image) {
    if (image.isNull() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Whether the package has installed the record type system-wide, with its icon in every size.
bool InstalledSystemWide(const QString& dataHome) {
    const QString mimePackage = QStringLiteral("mime/packages/") + kPackageName + ".xml";
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (folder != dataHome && QFileInfo::exists(QDir(folder).filePath(mimePackage))) return true;
    }
    return false;
}

// The icon under the package's name, in the user's hicolor theme as the package installs it in
// the system's: the program's drawing in every size it is drawn in and as the drawing itself.
// An image at `iconPath` (not the executable, which holds no picture here) stands in for the
// program's, scaled to each size.
bool WriteThemeIcon(const QDir& root, const QString& iconPath) {
    QImage picture;
    if (!QFileInfo(iconPath).isExecutable()) picture = QImageReader(iconPath).read();
    const QString theme = root.filePath(QStringLiteral("icons/hicolor/"));
    bool written = true;
    for (const int size : QuorvaneIconSizes()) {
        const QImage image = picture.isNull()
                                 ? QImage(QStringLiteral(":/icons/%1.png").arg(size))
                                 : picture.scaled(size, size, Qt::KeepAspectRatio,
                                                  Qt::SmoothTransformation);
        written &= WriteIcon(theme + QStringLiteral("%1x%1/apps/").arg(size) + kPackageName +
                                 ".png",
                             image);
    }
    if (picture.isNull()) {
        QFile drawing(QStringLiteral(":/quorvane.svg"));
        written &= drawing.open(QIODevice::ReadOnly) &&
                   WriteFile(theme + "scalable/apps/" + kPackageName + ".svg", drawing.readAll());
    }
    return written;
}

QByteArray MimePackage(const QString& mimeType, const QString& description, const QString& iconName,
                       const QString& extension) {
    const QString glob = u'*' + (extension.startsWith(u'.') ? extension : u'.' + extension);
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n");
    xml += QStringLiteral("  <mime-type type=\"%1\">\n").arg(mimeType.toHtmlEscaped());
    xml += QStringLiteral("    <comment>%1</comment>\n").arg(description.toHtmlEscaped());
    // Records are one line of text: editors stay on offer for them.
    xml += QStringLiteral("    <sub-class-of type=\"text/plain\"/>\n");
    if (!iconName.isEmpty()) {
        xml += QStringLiteral("    <icon name=\"%1\"/>\n").arg(iconName.toHtmlEscaped());
    }
    xml += QStringLiteral("    <glob pattern=\"%1\"/>\n").arg(glob.toHtmlEscaped());
    xml += QStringLiteral("  </mime-type>\n</mime-info>\n");
    return xml.toUtf8();
}

// Keys of type string may not hold line breaks or tabs as they are.
QString EscapeDesktopString(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QByteArray DesktopEntry(const QString& mimeType, const QString& description,
                        const QString& iconName, const QString& commandPath) {
    QString entry = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.0\n"
        "Name=Quorvane\n"
        "GenericName=Reversi\n"
        "GenericName[zh_CN]=黑白棋\n");
    entry += QStringLiteral("Comment=%1\n").arg(EscapeDesktopString(description));
    // The program takes everything after "/open " as the path, so %f stays unquoted: the
    // launcher hands the whole path over as one argument.
    entry += QStringLiteral("Exec=%1 /open %f\n").arg(DesktopExecArgument(commandPath));
    // A desktop passes over the entry once the program has been moved or removed.
    entry += QStringLiteral("TryExec=%1\n").arg(EscapeDesktopString(commandPath));
    if (!iconName.isEmpty()) entry += QStringLiteral("Icon=%1\n").arg(iconName);
    entry += QStringLiteral("MimeType=%1;\n").arg(mimeType);
    entry += QStringLiteral(
        "Terminal=false\n"
        "NoDisplay=true\n"
        "Categories=Game;BoardGame;\n");
    return entry.toUtf8();
}

// Started detached and silenced, so that a quitting program never waits for them.
void RunInBackground(const QString& programName, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(programName);
    if (program.isEmpty()) return;
    QProcess process;
    process.setProgram(program);
    process.setArguments({folder});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

}  // namespace

QString MimeTypeName(const QString& className, const QString& description) {
    QString name = Slug(description);
    if (name.isEmpty()) name = Slug(className);
    if (name.isEmpty()) name = QStringLiteral("record");
    return QStringLiteral("application/x-") + name;
}

QString DesktopExecArgument(const QString& argument) {
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString text = argument;
    text.replace(u'%', QStringLiteral("%%"));
    const bool needsQuotes = text.isEmpty() || std::any_of(text.cbegin(), text.cend(), [](QChar c) {
                                 return kReserved.contains(c);
                             });
    if (needsQuotes) {
        QString quoted;
        for (const QChar c : text) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
            quoted += c;
        }
        text = u'"' + quoted + u'"';
    }
    return EscapeDesktopString(text);
}

QString ExecutablePath(const QString& folder, const QString& baseName) {
    if (folder.endsWith(u'/')) return folder + baseName;
    return folder + u'/' + baseName;
}

void RegisterFileType(const QString& extension, const QString& className,
                      const QString& description, const QString& iconPath,
                      const QString& commandPath) {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty()) return;
    const QDir root(dataHome);
    const QString mimeType = MimeTypeName(className, description);
    const QString fileName =
        QStringLiteral("quorvane-") + Slug(className.isEmpty() ? mimeType : className);

    // Where the package is installed, its type and icon (every size and the drawing) stand:
    // the user's entries name that icon and bring none of their own, which would take
    // precedence over it. Elsewhere they bring the same icon under the same name.
    // Earlier versions wrote a single small picture under the type's own name, which desktops
    // fall back on: it goes.
    QString mimeIconName = mimeType;
    mimeIconName.replace(u'/', u'-');
    QFile::remove(root.filePath(QStringLiteral("icons/hicolor/64x64/mimetypes/") + mimeIconName +
                                ".png"));
    const bool installed = InstalledSystemWide(dataHome);
    const bool ownIcon = !installed && WriteThemeIcon(root, iconPath);
    const QString iconName = installed || ownIcon ? kPackageName : QString();

    const QString mimeFolder = root.filePath(QStringLiteral("mime"));
    if (WriteFile(mimeFolder + QStringLiteral("/packages/") + fileName + QStringLiteral(".xml"),
                  MimePackage(mimeType, description, ownIcon ? iconName : QString(), extension))) {
        RunInBackground(QStringLiteral("update-mime-database"), mimeFolder);
    }

    const QString applications = root.filePath(QStringLiteral("applications"));
    if (!commandPath.isEmpty() &&
        WriteFile(applications + u'/' + fileName + QStringLiteral(".desktop"),
                  DesktopEntry(mimeType, description, iconName, commandPath))) {
        RunInBackground(QStringLiteral("update-desktop-database"), applications);
    }
}

}  // namespace modRegister
