// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window icon costs at start: the window system is handed every size of it (X11's
// _NET_WM_ICON), so each picture is decoded once; against that, one 64-px picture alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

#include "QuorvaneIcon.h"

namespace {

void BM_WindowIconEverySize(benchmark::State& state) {
    for (auto _ : state) {
        const QIcon icon = QuorvaneIcon();
        for (const QSize& size : icon.availableSizes()) {
            benchmark::DoNotOptimize(icon.pixmap(size).toImage());
        }
    }
}
BENCHMARK(BM_WindowIconEverySize)->Unit(benchmark::kMicrosecond);

void BM_WindowIconOneSize(benchmark::State& state) {
    for (auto _ : state) {
        QImageReader reader(QStringLiteral(":/icons/64.png"), "png");
        benchmark::DoNotOptimize(QPixmap::fromImage(reader.read()).toImage());
    }
}
BENCHMARK(BM_WindowIconOneSize)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
