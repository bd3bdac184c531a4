#include "random_player.h"
#include "table_builder.h"

#include <benchmark/benchmark.h>

namespace tavolin {
namespace {

using testing::Dice;
using testing::QuietEvents;
using testing::RandomGame;
using testing::TableBuilder;

// A fresh deal, automatic moves suspended as at the start of a game.
void dealInto(Game& game, std::uint32_t seed)
{
    game.ResetTable();
    game.random.seed(seed);
    game.BuildPack();
    game.DealColumns();
    game.beginGame();
}

// A table late in a game: no free Room, deep Columns, Decks of several cards,
// Piles partly built.
void buildCrowdedTable(Game& game)
{
    TableBuilder(game)
        .pileUpTo("3H").pileUpTo("2D").pileUpTo("AS")
        .room(0, "KC").room(1, "QD").room(2, "9S").room(3, "4C")
        .column(0, {"KH", "QS", "JD", "10C", "9D", "8S", "7H", "6C", "5D", "4S"})
        .column(1, {"JS", "10H", "9C", "8D", "7S", "6H", "5C"})
        .column(2, {"3D", "KD", "QC", "JH", "10S"})
        .column(3, {"2S", "8H", "7C", "6D", "5S"})
        .column(4, {"AC", "KS", "QH", "JC", "10D"})
        .column(5, {"2C", "6S", "5H", "4D", "3S"})
        .column(6, {"7D", "8C", "9H"})
        .column(7, {"4H", "3C"})
        .autoMovesOn();
}

// One detection pass over a table laid out by setUp.
void BM_DetectMoves(benchmark::State& state, void (*setUp)(Game&))
{
    Dice dice(1);
    QuietEvents events(dice);
    Game game(events);
    setUp(game);
    for (auto _ : state) {
        game.DetectMoves();
        benchmark::DoNotOptimize(game.detection);
    }
}
BENCHMARK_CAPTURE(BM_DetectMoves, FreshDeal, [](Game& game) { dealInto(game, 12345); });
BENCHMARK_CAPTURE(BM_DetectMoves, CrowdedTable, buildCrowdedTable);

// The search the pointer tracking runs: a Deck of six walked onto a target.
void BM_TransferSearch(benchmark::State& state)
{
    Dice dice(1);
    QuietEvents events(dice);
    Game game(events);
    buildCrowdedTable(game);
    game.PickUpFromColumn(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.TransferSearch(1, 6));
}
BENCHMARK(BM_TransferSearch);

// One pass that scans the whole table and moves nothing: the common case.
void BM_AutoMoveToPilesPass(benchmark::State& state)
{
    Dice dice(1);
    QuietEvents events(dice);
    Game game(events);
    buildCrowdedTable(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.AutoMoveToPiles());
}
BENCHMARK(BM_AutoMoveToPilesPass);

// Whole games from the deal to their end, one after another on one core.
void BM_RandomGame(benchmark::State& state)
{
    std::uint32_t seed = 1;
    std::int64_t steps = 0;
    for (auto _ : state) {
        RandomGame game(seed++);
        benchmark::DoNotOptimize(game.play());
        steps += game.steps();
    }
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["steps/game"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RandomGame);

} // namespace
} // namespace tavolin
