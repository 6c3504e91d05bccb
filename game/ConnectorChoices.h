// What a player without a mouse can do with one cable connector: plug it into a free PC
// connector, unplug it, or mark its cable after a wrong verdict. Each choice is then carried out
// by the same operation a drop or a click would run, and judged the same.
#pragma once

#include "game/GameState.h"

#include <vector>

namespace kestrelink {

struct ConnectorChoice {
    enum class Kind { Plug, Unplug, Mark };
    Kind kind = Kind::Plug;
    // The PC connector a Plug choice plugs into; kNone for the others.
    int pcConnector = kNone;

    friend bool operator==(const ConnectorChoice&, const ConnectorChoice&) = default;
};

// The choices for cable connector j of the board `state` holds, in this order: a Plug choice
// for each free PC connector of j's colour (for each free one while j is covered, so that the
// choices tell nothing the covers hide; one of another colour then takes no plug, as a drop of
// it would not), Unplug while j is plugged in, and Mark while the board shows a wrong wiring.
std::vector<ConnectorChoice> connectorChoices(const GameState& state, int j);

} // namespace kestrelink
