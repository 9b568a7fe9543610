// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <memory>

#include "Game.h"
#include "SilentHost.h"

namespace {

// A reproducible position: `plies` seeded moves from the start, both sides played by the
// engine's own choice; a side without a move passes.
struct Position {
    explicit Position(int16_t size, int plies) : game(host) {
        game.iBoardSize = size;
        game.SetupBoard();
        game.AssignColours(kPlayer);
        game.iSkill = 100;
        game.SetRandomSource(std::make_unique<ClockSeededRandom>(20240611u));
        for (int ply = 0; ply < plies; ++ply) {
            int16_t row = 0;
            int16_t col = 0;
            if (game.ChooseComputerCell(row, col)) {
                game.EvaluateMove(row, col, true);
                game.sBoard(row, col) = game.sSideLetter[game.bPlayerTurn];
            }
            game.bPlayerTurn = Not(game.bPlayerTurn);
        }
        game.iSkill = 0;
    }
    SilentHost host;
    Game game;
};

void BM_ChooseComputerCell(benchmark::State& state, int16_t size, int plies) {
    Position position(size, plies);
    for (auto _ : state) {
        int16_t row = 0;
        int16_t col = 0;
        benchmark::DoNotOptimize(position.game.ChooseComputerCell(row, col));
        benchmark::DoNotOptimize(row);
        benchmark::DoNotOptimize(col);
    }
    state.counters["empty"] =
        static_cast<double>(position.game.iCellCount - position.game.iTotalDiscs);
}

void BM_NoLegalMove(benchmark::State& state, int16_t size, int plies) {
    Position position(size, plies);
    for (auto _ : state) benchmark::DoNotOptimize(position.game.NoLegalMove());
}

BENCHMARK_CAPTURE(BM_ChooseComputerCell, midgame_8x8, int16_t{8}, 24);
BENCHMARK_CAPTURE(BM_ChooseComputerCell, midgame_26x26, int16_t{26}, 300);
BENCHMARK_CAPTURE(BM_NoLegalMove, midgame_8x8, int16_t{8}, 24);
BENCHMARK_CAPTURE(BM_NoLegalMove, midgame_26x26, int16_t{26}, 300);

}  // namespace

BENCHMARK_MAIN();
