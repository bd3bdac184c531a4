// How long a hint takes from the command to its answer in the status bar,
// through the window's worker and event loop: over each seeded deal as
// dealt and after 40 steps of the random player. A program rather than a
// Google Benchmark, as its figures are shares and percentiles.
// Usage: hint_latency [deals] (default 1000), on Qt's offscreen platform.
#include "app/hint_search.h"
#include "dealt_window.h"
#include "random_player.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace tavolin;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    DealtWindow dealt(true);
    auto* search = dealt.window->findChild<HintSearch*>();

    std::vector<double> milliseconds;
    std::map<std::string, int> answers;
    for (int deal = 1; deal <= deals; ++deal) {
        for (const int steps : {0, 40}) {
            testing::RandomGame random(deal, testing::PlayLimits{.maxSteps = steps});
            random.play();
            if (!random.game.flags.gameInPlay || !random.game.selection.isEmpty())
                continue;
            dealt.game().table = random.game.table;
            dealt.game().flags.autoSuspended = random.game.flags.autoSuspended;
            QEventLoop loop;
            QElapsedTimer clock;
            const auto answered = QObject::connect(search, &HintSearch::answered, &loop, [&] {
                milliseconds.push_back(clock.nsecsElapsed() / 1e6);
                loop.quit();
            });
            clock.start();
            dealt.window->MoveHintClick();
            loop.exec();
            QObject::disconnect(answered);
            const QString text = dealt.window->statusText(0);
            ++answers[text.startsWith("Hint: this game") ? "lost" : text.startsWith("Hint: no winning") ? "undecided"
                                                                                                      : "a transfer"];
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double share) { return milliseconds[std::size_t(share * (milliseconds.size() - 1))]; };
    const auto within = std::count_if(milliseconds.begin(), milliseconds.end(), [](double ms) { return ms <= 50; });
    std::printf("positions %zu; hint on screen within 50 ms: %.1f %%; median %.1f ms, 99th percentile %.1f ms, "
                "longest %.1f ms\n",
                milliseconds.size(), 100.0 * within / milliseconds.size(), at(0.5), at(0.99), milliseconds.back());
    for (const auto& [answer, count] : answers)
        std::printf("  %s: %d\n", answer.c_str(), count);
}
