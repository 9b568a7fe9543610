// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Record files dropped on the window.
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "frmMain.h"

namespace {

// The path of the one record file a drop carries, or an empty string: folders, other file
// types and several files at once are refused.
QString DroppedRecordPath(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1) {
        return {};
    }
    const QFileInfo file(data->urls().front().toLocalFile());
    return file.isFile() && file.suffix().compare("zvr", Qt::CaseInsensitive) == 0 ? file.filePath()
                                                                                   : QString();
}

void AcceptRecordDrag(QDropEvent* event) {
    if (DroppedRecordPath(event->mimeData()).isEmpty()) {
        event->ignore();
    } else {
        event->acceptProposedAction();
    }
}

}  // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event) { AcceptRecordDrag(event); }

void frmMain::dragMoveEvent(QDragMoveEvent* event) { AcceptRecordDrag(event); }

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedRecordPath(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The command line's way in: the same open, with the path given and no dialog.
    sRecordFile = path;
    bOpenFromCommandLine = true;
    mnuOpen_Click();
}
