// The board's controls: PCs, PC connectors and their drop areas, cable connectors and their
// cover-ups, and the cables. It creates them as the layout asks, shows the board as the game
// state has it, and passes the player's drags, drops and clicks on them on as signals.
#pragma once

#include "game/BoardLayout.h"
#include "game/GameState.h"

#include <QList>
#include <QObject>
#include <optional>
#include <vector>

class QWidget;

namespace kestrelink::ui {

class BoardControl;
class CableConnector;
class CableLayer;
class DropArea;
class FocusRing;
class PcPicture;

class BoardView : public QObject {
    Q_OBJECT
public:
    // The controls go into `window`; `windowToken` marks the drags of this window's connectors.
    BoardView(QWidget& window, CableLayer& cables, quint64 windowToken);

    // Creates the controls a board of the layout's size still lacks and puts every control of
    // that size where the layout says.
    void extend(const BoardLayout& layout);

    // Shows the board of `state`: its connectors and its cables.
    void render(const GameState& state);
    // Connector places and colours, highlights, cover-ups, and each connector's spoken name.
    void renderConnectors(const GameState& state);
    // The cables' segments and colours: all that a mark or an animation step changes.
    void renderCables(const GameState& state);
    // Restart takes the cable connectors off the board while the window repaints.
    void setCableConnectorsVisible(bool visible);
    // Bottom to top: drop areas, then the PC connectors, cable connectors and cover-ups.
    void restack();

    // The connectors the keyboard visits, in order: the PC connectors, then the cable
    // connectors, of a board of `pcCount` PCs.
    QList<QWidget*> tabStops(int pcCount) const;
    // The cable connector with the keyboard focus, if one has it.
    std::optional<int> focusedCableConnector() const;
    // The shown connector an arrow key leads to from the connector `from`, or null when `from`
    // is no connector or none lies that way.
    QWidget* connectorBeside(const QObject* from, int arrowKey) const;

    int createdConnectorCount() const { return static_cast<int>(cableConnectors_.size()); }
    int createdPcCount() const { return static_cast<int>(pcs_.size()); }

signals:
    void cableConnectorClicked(int j);
    void dragOverArea(int area, int source, int dragState);
    void droppedOnArea(int area, int source);

private:
    void addControls(int connectorCount, int pcCount);
    // Names each connector as a screen reader reads it: its colour (unless covered) and what
    // it is plugged into, as the board has it now.
    void nameConnectors(const GameState& state, int connectors);

    QWidget& window_;
    CableLayer& cables_;
    quint64 windowToken_;
    std::vector<CableConnector*> cableConnectors_;
    std::vector<BoardControl*> coverUps_;
    std::vector<BoardControl*> pcConnectors_;
    std::vector<DropArea*> dropAreas_;
    std::vector<PcPicture*> pcs_;
    FocusRing* focusRing_ = nullptr;
};

} // namespace kestrelink::ui
