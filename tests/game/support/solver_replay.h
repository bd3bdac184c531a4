#pragma once

#include "game/game.h"
#include "game/solver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavolin::testing {

// Shows nothing; answers the empty-Column question as told and counts it.
class AnsweringEvents : public SilentEvents {
public:
    bool answer = true;
    int asked = 0;

    bool askYesNo(const std::string&, const std::string&) override
    {
        ++asked;
        return answer;
    }
};

// The player's pick-up and drop, naming places as the solver does.
bool pickUp(Game& game, const Place& place);
DropOutcome dropOn(Game& game, const Place& place);
// Every Pile, Column and Room, in that order.
std::vector<Place> allPlaces();

// A seeded deal as a new game starts it: automatic moves suspended.
void dealSeeded(Game& game, std::uint32_t seed);

// Plays the line on a copy of `start` through the game's public calls, with
// the automatic moves after each transfer and the empty-Column question
// answered as each transfer says. Empty when every transfer is carried out
// as stated and the game is won at the end; else the first fault.
std::string replayFault(const Game& start, const std::vector<SolverTransfer>& line);

// The automatic moves the game loop would make now, all of them.
void finishAutoMoves(Game& game);

// The public data of `from` in a game that reports to other events.
void copyGame(const Game& from, Game& to);

} // namespace tavolin::testing
