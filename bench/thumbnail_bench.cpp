// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QFile>

#include "RecordThumbnail.h"

namespace {

// One picture as a file manager asks for it: a whole 26 by 26 game at 256 px, from the file's
// bytes to the painted image (reading and saving are the process's share, measured apart).
void BM_RenderRecordThumbnail26At256(benchmark::State& state) {
    QFile file(QUORVANE_BENCH_RECORD);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("record missing");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RenderRecordThumbnail(std::string_view(bytes.constData(), bytes.size()), 256));
    }
}
BENCHMARK(BM_RenderRecordThumbnail26At256)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
