// Creating, placing and showing the board's controls.
#include "ui/game/BoardView.h"

#include "game/Numbering.h"
#include "game/Palette.h"
#include "ui/common/Accessibility.h"
#include "ui/game/ArrowNeighbour.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/FocusRing.h"
#include "ui/game/PictogramControl.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <iterator>

namespace kestrelink::ui {

namespace {

// The colour every connector of the window definition has until a puzzle paints it.
constexpr Color kDefinedConnectorColor = 0x00FFFF00;

// The palette's names as the core gives them, marked here for the catalogues.
[[maybe_unused]] constexpr const char* kColorNames[] = {
    QT_TRANSLATE_NOOP("GameWindow", "LightBlue"), QT_TRANSLATE_NOOP("GameWindow", "Blue"),
    QT_TRANSLATE_NOOP("GameWindow", "Green"),     QT_TRANSLATE_NOOP("GameWindow", "Yellow"),
    QT_TRANSLATE_NOOP("GameWindow", "Violet"),    QT_TRANSLATE_NOOP("GameWindow", "Pink"),
    QT_TRANSLATE_NOOP("GameWindow", "White"),     QT_TRANSLATE_NOOP("GameWindow", "Brown"),
    QT_TRANSLATE_NOOP("GameWindow", "Black"),     QT_TRANSLATE_NOOP("GameWindow", "LightViolet"),
};

// What a screen reader says about the board. PCs, connectors and cables are numbered from 1,
// as the game report numbers them; a PC's connectors are its connectors 1 and 2.
QString colorText(Color color) {
    if (const auto name = colorName(color))
        return QCoreApplication::translate("GameWindow", std::string(*name).c_str());
    return QStringLiteral("#%1%2%3")
        .arg(redOf(color), 2, 16, QLatin1Char('0'))
        .arg(greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(blueOf(color), 2, 16, QLatin1Char('0'));
}

QString pcName(int p) {
    return QCoreApplication::translate("GameWindow", "PC %1").arg(p + 1);
}

QString pcConnectorName(int c) {
    return QCoreApplication::translate("GameWindow", "PC %1, connector %2")
        .arg(pcOfConnector(c) + 1)
        .arg(c % 2 + 1);
}

QString cableConnectorName(int j) {
    return QCoreApplication::translate("GameWindow", "Cable connector %1").arg(j + 1);
}

// What a sighted player sees of PC connector c: its colour and whether it holds a plug.
QString pcConnectorName(int c, Color color, int plug) {
    if (plug == kNone)
        return QCoreApplication::translate("GameWindow", "%1, %2, free")
            .arg(pcConnectorName(c), colorText(color));
    return QCoreApplication::translate("GameWindow", "%1, %2, holds cable connector %3")
        .arg(pcConnectorName(c), colorText(color))
        .arg(plug + 1);
}

// What a sighted player sees of cable connector j: its colour unless it is covered, and the PC
// connector it is plugged into (`pcConnector`), or kNone at home.
QString cableConnectorName(int j, Color color, int pcConnector, bool covered) {
    if (pcConnector != kNone)
        return QCoreApplication::translate("GameWindow", "%1, %2, plugged into %3")
            .arg(cableConnectorName(j), colorText(color), pcConnectorName(pcConnector));
    // A covered connector's colour is hidden from every player alike.
    if (covered)
        return QCoreApplication::translate("GameWindow", "%1, covered, at home")
            .arg(cableConnectorName(j));
    return QCoreApplication::translate("GameWindow", "%1, %2, at home")
        .arg(cableConnectorName(j), colorText(color));
}

} // namespace

BoardView::BoardView(QWidget& window, CableLayer& cables, quint64 windowToken)
    : QObject(&window), window_(window), cables_(cables), windowToken_(windowToken),
      focusRing_(new FocusRing(&window)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool connector =
            std::find(cableConnectors_.begin(), cableConnectors_.end(), now) !=
                cableConnectors_.end() ||
            std::find(pcConnectors_.begin(), pcConnectors_.end(), now) != pcConnectors_.end();
        focusRing_->follow(connector ? now : nullptr);
    });
}

void BoardView::addControls(int connectorCount, int pcCount) {
    // New controls copy element 0 of their array and start hidden; extend places them.
    for (int j = createdConnectorCount(); j < connectorCount; ++j) {
        auto* connector = new CableConnector(j, windowToken_, &window_);
        connector->setBackColor(kDefinedConnectorColor);
        connector->hide();
        connect(connector, &CableConnector::clicked, this, &BoardView::cableConnectorClicked);
        // The keyboard reaches the connectors; a click leaves the focus where it was, so the
        // mouse player never sees the focus ring.
        connector->setFocusPolicy(Qt::TabFocus);
        accessibility::markAsPicture(*connector, cableConnectorName(j));
        // Which cable an end belongs to never changes; its state is in its name.
        accessibility::setDescription(
            *connector,
            QCoreApplication::translate("GameWindow", "Cable %1").arg(cableOfConnector(j) + 1));
        cableConnectors_.push_back(connector);

        auto* coverUp = new BoardControl(j, BoardControl::Border::Sunken, &window_);
        coverUp->setObjectName(QStringLiteral("CableCoverUp%1").arg(j));
        coverUp->setPassesInputThrough(true);
        coverUp->hide();
        // What a cover-up hides is said by its cable connector.
        accessibility::leaveOut(*coverUp);
        coverUps_.push_back(coverUp);

        auto* pcConnector = new BoardControl(j, BoardControl::Border::Sunken, &window_);
        pcConnector->setObjectName(QStringLiteral("ThePcConnector%1").arg(j));
        pcConnector->setBackColor(kDefinedConnectorColor);
        pcConnector->setCarriesColorSymbol(true);
        pcConnector->setPassesInputThrough(true);
        // The mouse goes through to the drop area, but the keyboard stops here to hear it.
        pcConnector->setEnabled(true);
        pcConnector->setFocusPolicy(Qt::TabFocus);
        pcConnector->hide();
        accessibility::markAsPicture(*pcConnector, pcConnectorName(j));
        pcConnectors_.push_back(pcConnector);

        auto* area = new DropArea(j, windowToken_, &window_);
        area->hide();
        connect(area, &DropArea::dragOver, this, &BoardView::dragOverArea);
        connect(area, &DropArea::dropped, this, &BoardView::droppedOnArea);
        // The area is where its PC connector takes a plug; the connector speaks for both.
        accessibility::leaveOut(*area);
        dropAreas_.push_back(area);
    }
    for (int p = createdPcCount(); p < pcCount; ++p) {
        auto* pc = new PcPicture(p, &window_);
        pc->hide();
        accessibility::markAsPicture(*pc, pcName(p));
        pcs_.push_back(pc);
    }
    if (cables_.segmentCount() < 3 * pcCount)
        cables_.setSegmentCount(3 * pcCount);
}

void BoardView::extend(const BoardLayout& layout) {
    addControls(2 * layout.pcCount, layout.pcCount);
    // The new controls go below and right of the template's, and the right-hand column of PCs
    // moves out to make room for the longer cable row.
    for (int c = 0; c < 2 * layout.pcCount; ++c) {
        at(cableConnectors_, c)->setTwipRect(at(layout.cableConnectors, c));
        at(coverUps_, c)->setTwipRect(at(layout.cableConnectors, c));
        at(pcConnectors_, c)->setTwipRect(at(layout.pcConnectors, c));
        at(dropAreas_, c)->setTwipRect(at(layout.dropAreas, c));
        at(cableConnectors_, c)->show();
        at(pcConnectors_, c)->show();
        at(dropAreas_, c)->show();
    }
    for (int p = 0; p < layout.pcCount; ++p) {
        at(pcs_, p)->setTwipRect(at(layout.pcs, p));
        at(pcs_, p)->show();
    }
    restack();
}

void BoardView::render(const GameState& state) {
    renderConnectors(state);
    renderCables(state);
}

void BoardView::renderConnectors(const GameState& state) {
    const int connectors = std::min(state.connectorCount(), createdConnectorCount());
    const Puzzle& puzzle = state.puzzle;
    const BoardState& board = state.board;
    const BoardLook& look = state.look;
    for (int c = 0; c < connectors; ++c) {
        if (c < std::ssize(puzzle.pcConnectorColors)) {
            at(pcConnectors_, c)->setBackColor(at(puzzle.pcConnectorColors, c));
            at(cableConnectors_, c)->setBackColor(at(puzzle.cableConnectorColors, c));
        }
        if (c < std::ssize(board.cableConnectors))
            at(cableConnectors_, c)->setTwipRect(at(board.cableConnectors, c));
        if (c < std::ssize(look.highlightedAreas))
            at(dropAreas_, c)->setBackColor(at(look.highlightedAreas, c) ? kRed : kButtonFace);
        at(coverUps_, c)->setVisible(look.coverUpsShown);
    }
    nameConnectors(state, connectors);
    focusRing_->refresh();
}

void BoardView::renderCables(const GameState& state) {
    const BoardState& board = state.board;
    const BoardLook& look = state.look;
    const int segments =
        std::min(static_cast<int>(board.cableSegments.size()), cables_.segmentCount());
    for (int s = 0; s < segments; ++s) {
        cables_.setLine(s, at(board.cableSegments, s));
        if (s < std::ssize(look.segmentColors))
            cables_.setColor(s, at(look.segmentColors, s));
        cables_.setSegmentVisible(s, true);
    }
}

void BoardView::nameConnectors(const GameState& state, int connectors) {
    const Puzzle& puzzle = state.puzzle;
    std::vector<int> pcConnectorOf(static_cast<std::size_t>(connectors), kNone);
    for (int c = 0; c < connectors; ++c) {
        const int plug = at(state.board.PcConnectorPlug, c)[0];
        if (plug >= 0 && plug < connectors)
            at(pcConnectorOf, plug) = c;
    }
    for (int c = 0; c < connectors && c < std::ssize(puzzle.pcConnectorColors); ++c) {
        accessibility::setName(*at(pcConnectors_, c),
                               pcConnectorName(c, at(puzzle.pcConnectorColors, c),
                                               at(state.board.PcConnectorPlug, c)[0]));
        accessibility::setName(*at(cableConnectors_, c),
                               cableConnectorName(c, at(puzzle.cableConnectorColors, c),
                                                  at(pcConnectorOf, c), state.look.coverUpsShown));
    }
}

void BoardView::setCableConnectorsVisible(bool visible) {
    for (CableConnector* connector : cableConnectors_)
        connector->setVisible(visible);
    focusRing_->refresh();
}

QList<QWidget*> BoardView::tabStops(int pcCount) const {
    QList<QWidget*> stops;
    const int connectors = std::min(2 * pcCount, createdConnectorCount());
    for (int c = 0; c < connectors; ++c)
        stops << at(pcConnectors_, c);
    for (int j = 0; j < connectors; ++j)
        stops << at(cableConnectors_, j);
    return stops;
}

std::optional<int> BoardView::focusedCableConnector() const {
    for (CableConnector* connector : cableConnectors_)
        if (connector->hasFocus())
            return connector->index();
    return std::nullopt;
}

QWidget* BoardView::connectorBeside(const QObject* from, int arrowKey) const {
    std::vector<QWidget*> shown;
    const QWidget* start = nullptr;
    const auto consider = [&](QWidget* connector) {
        if (connector == from)
            start = connector;
        else if (connector->isVisible())
            shown.push_back(connector);
    };
    std::for_each(pcConnectors_.begin(), pcConnectors_.end(), consider);
    std::for_each(cableConnectors_.begin(), cableConnectors_.end(), consider);
    if (start == nullptr)
        return nullptr;
    std::vector<QRect> places;
    places.reserve(shown.size());
    for (const QWidget* connector : shown)
        places.push_back(connector->geometry());
    const std::optional<std::size_t> next = arrowNeighbour(start->geometry(), places, arrowKey);
    return next ? shown[*next] : nullptr;
}

void BoardView::restack() {
    for (DropArea* area : dropAreas_)
        area->lower();
    for (BoardControl* connector : pcConnectors_)
        connector->raise();
    for (CableConnector* connector : cableConnectors_)
        connector->raise();
    for (BoardControl* coverUp : coverUps_)
        coverUp->raise();
    focusRing_->raise();
}

} // namespace kestrelink::ui
