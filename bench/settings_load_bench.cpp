// Start-up reading of the settings file, damaged or large: the time should
// grow with the file's size and no faster.
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/qt_registry.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tavolin {
namespace {

constexpr qsizetype MegaByte = 1024 * 1024;

// Lines of junk, as a disk error or a wrong file copied over the settings leaves.
QByteArray junk(qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size + 64);
    for (int line = 0; bytes.size() < size; ++line)
        bytes += "\x01\x7f junk that is no setting " + QByteArray::number(line) + '\n';
    return bytes;
}

// A well-formed file that holds many values besides the game's own.
QByteArray manyValues(qsizetype size)
{
    QByteArray bytes = "[Software\\Projects\\Tavolin 2.2]\n\"Games Won\"=dword:3\n[Software\\Other]\n";
    bytes.reserve(size + 64);
    for (int value = 0; bytes.size() < size; ++value)
        bytes += "\"Value " + QByteArray::number(value) + "\"=dword:" + QByteArray::number(value) + '\n';
    return bytes;
}

void loadSettings(benchmark::State& state, QByteArray (*contents)(qsizetype))
{
    const QByteArray bytes = contents(state.range(0) * MegaByte);
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        QtRegistry registry(dir.path());
        QFile file(registry.fileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            state.SkipWithError("the settings file could not be written");
        file.close();
        ScriptedMessageBoxes boxes;
        SettingsStore store(registry, boxes);
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.load({1280, 1024}));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.SetComplexityN(bytes.size());
}

void BM_LoadJunkFile(benchmark::State& state)
{
    loadSettings(state, junk);
}
BENCHMARK(BM_LoadJunkFile)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_LoadLargeWellFormedFile(benchmark::State& state)
{
    loadSettings(state, manyValues);
}
BENCHMARK(BM_LoadLargeWellFormedFile)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
} // namespace tavolin

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
