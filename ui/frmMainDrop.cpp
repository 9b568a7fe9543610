// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Record files dropped on the window.
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <filesystem>

#include "frmMain.h"

namespace {

// The path of the one record file a drop carries, as the file system's bytes, or an empty
// string: folders, other file types, files on other hosts and several files are refused.
std::string DroppedRecordPath(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.host().isEmpty()) {
        return {};
    }
    // The URL carries the name's bytes percent-encoded. QUrl::toLocalFile would decode them
    // as UTF-8 and lose a name that is not (a record copied from Windows, say).
    const std::string path =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
    const QFileInfo file(QFile::decodeName(path.c_str()));  // only for the suffix, plain ASCII
    std::error_code error;
    const bool plain = std::filesystem::is_regular_file(path, error);
    return plain && file.suffix().compare("zvr", Qt::CaseInsensitive) == 0 ? path : std::string();
}

// Accepted as a copy whatever the source proposes: after a move, the source would delete
// the record. A source that offers no copy is refused.
std::string AcceptRecordDrag(QDropEvent* event) {
    std::string path = DroppedRecordPath(event->mimeData());
    if (path.empty() || !event->possibleActions().testFlag(Qt::CopyAction)) {
        event->ignore();
        return {};
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return path;
}

}  // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event) { AcceptRecordDrag(event); }

void frmMain::dragMoveEvent(QDragMoveEvent* event) { AcceptRecordDrag(event); }

void frmMain::dropEvent(QDropEvent* event) {
    const std::string path = AcceptRecordDrag(event);
    if (path.empty()) {
        return;
    }
    // The command line's way in: the same open, with the path given and no dialog.
    sRecordFile = path;
    bOpenFromCommandLine = true;
    mnuOpen_Click();
}
