// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Registers the record file type with the desktop, per user, the freedesktop way: a
// shared-mime-info package (the extension, the description and the icon) and a hidden
// desktop entry (the open command), both under $XDG_DATA_HOME.
namespace modRegister {

// Makes files ending in `extension` (".zvr") a type described by `description`, shown with
// the image at `iconPath` (or the program's own icon when `iconPath` is not an image, for
// instance the executable) and opened by running `commandPath` with "/open" and the file's
// path as its two arguments; an empty `commandPath` writes no open command and leaves the
// one already there. Written afresh on every call; an entry that cannot be written is
// skipped silently. The desktop's databases are refreshed in the background.
void RegisterFileType(const QString& extension, const QString& className,
                      const QString& description, const QString& iconPath,
                      const QString& commandPath);

// `folder` + "/" + `baseName`, without doubling a "/" the folder already ends with.
QString ExecutablePath(const QString& folder, const QString& baseName);

// "application/x-zorvel-record" for the description "Zorvel Record".
QString MimeTypeName(const QString& className, const QString& description);

// One argument of a desktop entry's Exec key, quoted and escaped as the freedesktop rules
// for desktop entries require, ready to be written into the file.
QString DesktopExecArgument(const QString& argument);

}  // namespace modRegister
