// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The file managers' thumbnailer for record files: quorvane-thumbnailer INPUT OUTPUT SIZE.
// It needs no display, no window system and no sound: a QImage painted and saved as PNG.
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "RecordFile.h"
#include "RecordThumbnail.h"

namespace {

// Exit statuses: a file manager only tells success from failure, a person may read more.
constexpr int kNoPicture = 1;
constexpr int kUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    bool sizeIsNumber = false;
    const int size = argc == 4 ? QByteArray(argv[3]).toInt(&sizeIsNumber) : 0;
    if (!sizeIsNumber) {
        std::fputs("usage: quorvane-thumbnailer RECORD OUTPUT.png SIZE\n", stderr);
        return kUsage;
    }
    const std::optional<QByteArray> bytes = RecordFile::ReadBytes(QFile::decodeName(argv[1]));
    if (!bytes) return kNoPicture;
    const std::optional<QImage> image =
        RenderRecordThumbnail(std::string_view(bytes->constData(), bytes->size()), size);
    if (!image) return kNoPicture;
    // A failed write leaves no file behind, so a file manager never shows half a picture.
    QSaveFile output(QFile::decodeName(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || !image->save(&output, "PNG") || !output.commit()) {
        return kNoPicture;
    }
    return 0;
}
