// The choices on a cable connector, read from the board as it stands.
#include "game/ConnectorChoices.h"

#include "game/Numbering.h"

#include <iterator>

namespace kestrelink {

std::vector<ConnectorChoice> connectorChoices(const GameState& state, int j) {
    std::vector<ConnectorChoice> choices;
    const int connectors = state.connectorCount();
    const auto& colors = state.puzzle;
    if (j < 0 || j >= connectors || std::ssize(colors.pcConnectorColors) < connectors ||
        std::ssize(colors.cableConnectorColors) < connectors)
        return choices;

    const auto& plugs = state.board.PcConnectorPlug;
    bool plugged = false;
    for (int c = 0; c < connectors; ++c)
        plugged = plugged || at(plugs, c)[0] == j;
    // A plugged connector has left its home slot, and no cover hides it there.
    const bool covered = state.look.coverUpsShown && !plugged;
    const Color color = at(colors.cableConnectorColors, j);
    for (int c = 0; c < connectors; ++c) {
        const bool free = at(plugs, c)[0] == kNone;
        if (free && (covered || at(colors.pcConnectorColors, c) == color))
            choices.push_back({ConnectorChoice::Kind::Plug, c});
    }
    if (plugged)
        choices.push_back({ConnectorChoice::Kind::Unplug, kNone});
    if (state.board.AllPcConnectorsPlugged && !state.board.PcRingIsCorrect)
        choices.push_back({ConnectorChoice::Kind::Mark, kNone});
    return choices;
}

} // namespace kestrelink
