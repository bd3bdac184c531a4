// Plays seeded random games, the random-play test's mix of players, with its
// conservation checks after every step, and stops at the first broken table.
// Not part of the test command: built on demand (target random_soak), also
// under the sanitizers.

#include "random_player.h"
#include "table_check.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using namespace tavolin::testing;

constexpr unsigned long DefaultGames = 1'000'000;

unsigned long gamesAsked(int argc, char** argv)
{
    if (argc == 1)
        return DefaultGames;
    char* end = nullptr;
    const unsigned long games = argc == 2 ? std::strtoul(argv[1], &end, 10) : 0;
    if (games == 0 || games > UINT32_MAX || *end != '\0') {
        std::fprintf(stderr, "usage: %s [games]   (1 to 4294967295, default %lu)\n", argv[0], DefaultGames);
        std::exit(2);
    }
    return games;
}

} // namespace

int main(int argc, char** argv)
{
    const unsigned long games = gamesAsked(argc, argv);
    std::map<GameEnd, unsigned long> ends;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned long seed = 1; seed <= games; ++seed) {
        RandomGame random(static_cast<std::uint32_t>(seed), limitsFor(static_cast<std::uint32_t>(seed)));
        std::string fault;
        int faultStep = 0;
        const GameEnd end = random.play([&](const tavolin::Game& game) {
            if (fault.empty()) {
                fault = faultBetweenPasses(game);
                faultStep = random.steps();
            }
        });
        if (!fault.empty()) {
            std::printf("deal %lu, step %d: %s\n", seed, faultStep, fault.c_str());
            return 1;
        }
        ++ends[end];
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%lu games in %.1f s: %.0f games/s\n", games, seconds, static_cast<double>(games) / seconds);
    std::printf("won %lu, no move left %lu, gave up %lu, step limit %lu\n", ends[GameEnd::Won],
                ends[GameEnd::NoMoveLeft], ends[GameEnd::GaveUp], ends[GameEnd::StepLimit]);
    return 0;
}
