// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordThumbnail.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "BoardPainter.h"
#include "RecordText.h"
#include "ReplayToEnd.h"

namespace {

// On cells of a few pixels the frame is an orange speck that marks no cell clearly; the
// position reads better without it.
constexpr double kMinFramedCell = 6.0;

}  // namespace

std::optional<QImage> RenderRecordThumbnail(std::string_view fileBytes, int size) {
    ParsedRecord record = ParseRecordText(ReadRecordItems(fileBytes));
    if (!record.valid) return std::nullopt;
    const ReplayEnd end = ReplayToEnd(std::move(record));
    const int16_t side = end.board.Size();

    size = std::clamp(size, kMinThumbnailSize, kMaxThumbnailSize);
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    const QRect square = image.rect();
    BoardPainter::PaintGrid(painter, square, side);
    BoardPainter::PaintDiscs(painter, square, end.board);
    if (static_cast<double>(size) / side >= kMinFramedCell) {
        BoardPainter::PaintFrame(painter, square, side, end.lastRow, end.lastCol);
    }
    return image;
}
