// Paints of a dealt table in a 1279 × 995 window on the offscreen platform,
// with the real card library, for the small and the large cards:
//   FullRepaint    a paint with FullRepaint set (every image redrawn and shown)
//   ColumnRepaint  the paint after one card moved between two Columns
//   FlightFrame    one frame of a card's flight to a Pile, pause excluded
//   IdleTick       one second of an idle dealt game: the playing time's tick
//                  and the repaint it asks for (scripts/idle-tick.sh counts
//                  its instructions and code pages under callgrind)
#include "dealt_window.h"
#include "view/card_flight.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace tavolin {
namespace {

void reportRedrawn(benchmark::State& state, const TableView& table)
{
    state.counters["cells"] = table.lastRedrawn().cells;
}

void FullRepaint(benchmark::State& state, bool smallCards)
{
    DealtWindow dealt(smallCards);
    for (auto _ : state) {
        dealt.table().FullRepaint = true;
        dealt.game().table.markAllColumnsDirty();
        dealt.table().FormPaint(PaintSender::Other);
    }
    reportRedrawn(state, dealt.table());
}

void ColumnRepaint(benchmark::State& state, bool smallCards)
{
    DealtWindow dealt(smallCards);
    for (auto _ : state) {
        // What a card moved from the second Column to the seventh marks.
        dealt.game().table.ColumnDirty[1] = 1;
        dealt.game().table.ColumnDirty[6] = 1;
        dealt.table().FormPaint(PaintSender::Other);
    }
    reportRedrawn(state, dealt.table());
}

// The longest flight there is, from the bottom of the first Column to the
// last Pile; its time shared out over its frames.
void FlightFrame(benchmark::State& state, bool smallCards)
{
    DealtWindow dealt(smallCards);
    const ColumnRec& first = dealt.game().table.columns[0];
    const int top = first.topPosition();
    const QPoint from(first.x[top], first.y[top]);
    const SlotRec& pile = dealt.game().table.piles[3];
    const QPoint to(pile.x, pile.y);
    const auto frames = static_cast<double>(cardFlightPath(from, to).size());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        dealt.table().AnimateCardMove(first.card[top], from, to, 0, dealt.clock);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count() / frames);
    }
    state.counters["frames"] = frames;
}

// Kept out of line: the callgrind script counts the instructions under it.
[[gnu::noinline]] void idleTick(DealtWindow& dealt)
{
    dealt.window->Timer1Timer();
    QApplication::processEvents();
}

void IdleTick(benchmark::State& state)
{
    DealtWindow dealt(true);
    // The first ticks of a game write the playing time over what the panel
    // showed, and the first hour draws each digit in each place for the
    // first time: not what an idle game does every second.
    for (int i = 0; i < 3600; ++i) {
        dealt.clock.advance(1000);
        dealt.window->Timer1Timer();
        QApplication::processEvents();
    }
    for (auto _ : state) {
        dealt.clock.advance(1000);
        idleTick(dealt);
    }
}

BENCHMARK(IdleTick)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullRepaint, SmallCards, true)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullRepaint, LargeCards, false)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ColumnRepaint, SmallCards, true)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ColumnRepaint, LargeCards, false)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FlightFrame, SmallCards, true)->UseManualTime()->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FlightFrame, LargeCards, false)->UseManualTime()->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tavolin

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
