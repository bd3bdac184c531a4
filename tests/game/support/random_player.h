#pragma once

#include "game/game.h"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace tavolin::testing {

// The random player's draws: Knuth's 64-bit linear congruential generator,
// one multiplication a draw. Its high bits are the well-mixed ones, and a
// draw below n scales them by multiplying rather than dividing; the bias,
// under n in 2^32, is far too small to matter here.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    int below(int n) { return static_cast<int>(((engine_() >> 32) * static_cast<std::uint64_t>(n)) >> 32); }
    int percent() { return below(100); }

private:
    std::linear_congruential_engine<std::uint64_t, 6364136223846793005u, 1442695040888963407u, 0u> engine_;
};

// Shows nothing and answers the empty-Column question at random.
class QuietEvents : public SilentEvents {
public:
    explicit QuietEvents(Dice& dice) : dice_(dice) {}

    bool askYesNo(const std::string&, const std::string&) override { return dice_.below(2) == 0; }

private:
    Dice& dice_;
};

// GaveUp: no card reached a Pile for a long while (a player in a pocket of
// moves that lead nowhere ends the game); StepLimit: the bound on every game.
enum class GameEnd { Won, NoMoveLeft, GaveUp, StepLimit };

struct PlayLimits {
    int maxSteps = 1000;
    int patience = 60;        // steps without a card going to a Pile before giving up
    int undoPercent = 8;      // after a transfer, the chance that the player takes it back
    int putBackPercent = 2;   // the chance that a picked-up card is simply put back
    // The chance that a drop tries the Piles first, then the Columns, then the
    // Rooms; otherwise every place is as likely. Steered games get further.
    int steerPercent = 0;
};

// The mix of players the random-play test and the soak run meet: every other
// deal is played by a player who tries the Piles first, then the Columns,
// and is more patient; those games get further.
PlayLimits limitsFor(std::uint32_t seed);

// One seeded deal played the way the game loop runs it: an automatic move,
// move detection, then one action of a player who picks a random card up and
// drops it on a random place that takes it, now and then putting it back or
// undoing the last transfer. Everything goes through the model's public calls.
// A step is one such pass and action; play stops after maxSteps.
class RandomGame {
public:
    explicit RandomGame(std::uint32_t seed, PlayLimits limits = {});

    // `check` runs after every automatic move pass and every player action.
    GameEnd play(const std::function<void(const Game&)>& check = {});
    int steps() const { return steps_; }

    // In this order: the events answer from the dice, the game reports to the events.
    Dice dice;
    QuietEvents events;
    Game game;

private:
    PlayLimits limits_;
    int steps_ = 0;

    using Targets = std::vector<Place>;

    void act();
    bool dropSomewhere(int originColumn);
    bool dropOnAny(Targets::iterator first, Targets::iterator last, int originColumn);
    bool tryDrop(const Place& target, int originColumn);
};

} // namespace tavolin::testing
