// The choices on a cable connector, read from the board as it stands.
#include "game/ConnectorChoices.h"

namespace kestrelink {

std::vector<ConnectorChoice> connectorChoices(const GameState& state, int j) {
    std::vector<ConnectorChoice> choices;
    const int connectors = state.connectorCount();
    const auto& colors = state.puzzle;
    if (j < 0 || j >= connectors || colors.pcConnectorColors.size() < std::size_t(connectors) ||
        colors.cableConnectorColors.size() < std::size_t(connectors))
        return choices;

    const auto& plugs = state.board.PcConnectorPlug;
    bool plugged = false;
    for (int c = 0; c < connectors; ++c)
        plugged = plugged || plugs[std::size_t(c)][0] == j;
    // A plugged connector has left its home slot, and no cover hides it there.
    const bool covered = state.look.coverUpsShown && !plugged;
    const Color color = colors.cableConnectorColors[std::size_t(j)];
    for (int c = 0; c < connectors; ++c) {
        const bool free = plugs[std::size_t(c)][0] == kNone;
        if (free && (covered || colors.pcConnectorColors[std::size_t(c)] == color))
            choices.push_back({ConnectorChoice::Kind::Plug, c});
    }
    if (plugged)
        choices.push_back({ConnectorChoice::Kind::Unplug, kNone});
    if (state.board.AllPcConnectorsPlugged && !state.board.PcRingIsCorrect)
        choices.push_back({ConnectorChoice::Kind::Mark, kNone});
    return choices;
}

} // namespace kestrelink
