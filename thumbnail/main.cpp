// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The file managers' thumbnailer for record files: quorvane-thumbnailer INPUT OUTPUT SIZE.
// It needs no display, no window system and no sound: a QImage painted and saved as PNG.
#include <stdlib.h>
#include <unistd.h>

#include <QBuffer>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "RecordFile.h"
#include "RecordThumbnail.h"

namespace fs = std::filesystem;

namespace {

// Exit statuses: a file manager only tells success from failure, a person may read more.
constexpr int kNoPicture = 1;
constexpr int kUsage = 2;

// Through a temporary file beside `path`, renamed over it once whole: a failed write leaves
// no file behind, so a file manager never shows half a picture.
bool WriteWhole(const fs::path& path, const QByteArray& bytes) {
    std::string temporary = path.native() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    ::close(fd);
    std::ofstream out(temporary, std::ios::binary);
    out.write(bytes.constData(), bytes.size());
    out.close();
    std::error_code error;
    if (out) fs::rename(temporary, path, error);
    if (out && !error) return true;
    fs::remove(temporary, error);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    bool sizeIsNumber = false;
    const int size = argc == 4 ? QByteArray(argv[3]).toInt(&sizeIsNumber) : 0;
    if (!sizeIsNumber) {
        std::fputs("usage: quorvane-thumbnailer RECORD OUTPUT.png SIZE\n", stderr);
        return kUsage;
    }
    // The names stay the file system's bytes: one that is not UTF-8, as records copied from
    // Windows often have, would not survive a trip through text.
    const fs::path input(argv[1]), output(argv[2]);
    // Writing the picture over the record, also through a link, would destroy the record.
    std::error_code error;
    if (fs::equivalent(input, output, error)) return kNoPicture;
    const std::optional<QByteArray> bytes = RecordFile::ReadBytes(input);
    if (!bytes) return kNoPicture;
    const std::optional<QImage> image =
        RenderRecordThumbnail(std::string_view(bytes->constData(), bytes->size()), size);
    if (!image) return kNoPicture;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image->save(&buffer, "PNG")) return kNoPicture;
    return WriteWhole(output, png) ? 0 : kNoPicture;
}
