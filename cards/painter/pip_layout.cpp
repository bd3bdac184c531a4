#include "pip_layout.h"

#include <array>

namespace tavolin::cards {
namespace {

constexpr double Third = 1.0 / 3.0;
constexpr double Sixth = 1.0 / 6.0;

constexpr std::array<PipSpot, 2> Two{{{0.5, 0}, {0.5, 1}}};
constexpr std::array<PipSpot, 3> Three{{{0.5, 0}, {0.5, 0.5}, {0.5, 1}}};
constexpr std::array<PipSpot, 4> Four{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
constexpr std::array<PipSpot, 5> Five{{{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}}};
constexpr std::array<PipSpot, 6> Six{{{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}}};
constexpr std::array<PipSpot, 7> Seven{
    {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}}};
constexpr std::array<PipSpot, 8> Eight{
    {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}}};
constexpr std::array<PipSpot, 9> Nine{{{0, 0},
                                       {1, 0},
                                       {0, Third},
                                       {1, Third},
                                       {0.5, 0.5},
                                       {0, 2 * Third},
                                       {1, 2 * Third},
                                       {0, 1},
                                       {1, 1}}};
constexpr std::array<PipSpot, 10> Ten{{{0, 0},
                                       {1, 0},
                                       {0.5, Sixth},
                                       {0, Third},
                                       {1, Third},
                                       {0, 2 * Third},
                                       {1, 2 * Third},
                                       {0.5, 5 * Sixth},
                                       {0, 1},
                                       {1, 1}}};

} // namespace

std::span<const PipSpot> pipSpots(int rank)
{
    switch (rank) {
    case 1: return Two;
    case 2: return Three;
    case 3: return Four;
    case 4: return Five;
    case 5: return Six;
    case 6: return Seven;
    case 7: return Eight;
    case 8: return Nine;
    case 9: return Ten;
    default: return {};
    }
}

} // namespace tavolin::cards
