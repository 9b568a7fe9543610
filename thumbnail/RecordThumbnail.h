// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <optional>
#include <string_view>

inline constexpr int kMinThumbnailSize = 16;
inline constexpr int kMaxThumbnailSize = 1024;

// The picture of a record file's final position, `size` pixels square (brought into
// kMinThumbnailSize to kMaxThumbnailSize): the file's bytes read and tested as Open does,
// replayed as Fast forward does, and painted as the board view paints. Nothing for a record
// that Open would call invalid.
std::optional<QImage> RenderRecordThumbnail(std::string_view fileBytes, int size);
