#include "numbered_deal.h"

namespace tavolin {

void dealNumbered(Game& game, std::uint32_t number)
{
    game.random.seed(number);
    game.flags.gameOpen = game.BuildPack();
    if (game.flags.gameOpen)
        game.DealColumns();
}

} // namespace tavolin
