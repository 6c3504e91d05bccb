// The playing window: the board for N PCs, the five commands, the verdict and the clock. It
// translates the player's mouse into moves of cable connectors, and asks the core where things
// go and what the board's wiring amounts to.
#pragma once

#include "game/Board.h"
#include "game/ConnectorChoices.h"
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "game/TimeSource.h"
#include "ui/game/BoardView.h"
#include "ui/game/GameWindowDefinition.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>

class QAction;
class QMimeData;

namespace kestrelink::ui {

class FixedOuterSize;
class HelpWindowOpener;
class StartupSettings;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    // `time` is where the clock reads the time: the system's unless a test fixes it.
    GameWindow(GameState& state, StartupSettings& settings, RandomSource& random,
               TimeSource& time = systemTimeSource(), QWidget* parent = nullptr);
    ~GameWindow() override;

    // Start-up: extends the board to NumberOfPCs (first run only), lays it out, sizes the
    // window, records the home slots, generates a puzzle and locks the start-up settings.
    void Form_Load();

    // Moves every cable to its connectors, then judges the board and shows the verdict.
    void ReDrawCables();

    // The name of a colour, or `colorText` left untouched for a colour without a name.
    void GetColorText(const Color& theColor, std::string& colorText) const;

    // The opener both Help buttons share; without one (the window's own tests) Help does
    // nothing.
    void setHelpWindowOpener(HelpWindowOpener* opener) { helpOpener_ = opener; }

    // What a drag of cable connector j carries (the caller owns it).
    QMimeData* dragDataOf(int j) const;

    // Handlers of the board, named after their controls; public so that the windows' tests can
    // drive them directly as well as through real mouse input. The tests find the controls by
    // their names.
    void ThePcConnectorArea_DragOver(int index, int sourceIndex, int state);
    void ThePcConnectorArea_DragDrop(int index, int sourceIndex);
    void Form_DragDrop(int sourceIndex);
    void TheCableConnector_Click(int index);
    void Form_MouseDown(float yTwips);
    void Form_MouseMove();
    void lblCoverUpCableBackground_MouseMove();
    // Any character key typed in the window offers to write the game to a text file.
    void Form_KeyPress();
    void cmdRestartCurrentGame_Click();
    void cmdShowSolution_Click();
    void cmdNewGame_Click();
    void cmdHelp_Click();
    void timerGameClock_Timer();
    void timerCableAnimation_Timer();

signals:
    // The window is unloading (after its settings were handed back).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectHandlers();
    void restack();
    // The start-up window's settings as they are now, in range.
    GameSettings startupSettings() const;
    // After a deal: the board extended and laid out, the window sized, the listings handed to
    // the start-up window, the board shown, the settings locked.
    void showDeal(const GeneratedPuzzle& puzzle);
    // Applies a move of the player or a timer and shows what it changed.
    void play(const Move& move);
    // Shows the board and the clock as the game state has them.
    void render();
    void renderClock();
    // After a redraw: the board, the verdict's message and faces, and the animation started
    // afresh on a correct board or stopped on any other. A verdict is announced when its
    // message arrives, or always on a board laid afresh.
    void showVerdict(bool freshBoard = false);
    // The commands' interlude: the clock as it stands, the cable connectors hidden and the
    // window repainted without them; timers may tick here, but no input is taken until the
    // command has finished.
    void hideConnectorsAndRepaint();
    // After the interlude: the cable connectors back, and the keyboard focus on the one that
    // had it.
    void showConnectorsAgain();
    // The cable connector a drag over the window surface carries, if it is one of this
    // window's and the pointer is over the bare surface (not over another control).
    std::optional<int> surfaceDropSource(const QDropEvent* event) const;
    // A key that types a character into any control of this window (Tab moves the focus).
    bool isCharacterKeyForThisWindow(QObject* watched, QEvent* event) const;
    // The Menu key, or Shift+F10, on any control of this window.
    bool isMenuKeyForThisWindow(QObject* watched, QEvent* event) const;
    // The connector an arrow key pressed on a connector moves the focus to, if any.
    QWidget* arrowStep(QObject* watched, QEvent* event) const;
    bool isTimeBox(QObject* watched) const;
    // The commands, each with a shortcut that types no character, for the keyboard and the
    // keyboard's menu.
    void addCommandShortcuts();
    // Tab visits the commands, the time boxes, then the board's connectors.
    void orderTabStops();
    // The keyboard's menu: on a cable connector what can be done with it, then the commands.
    void showKeyboardMenu();
    // Carries out a choice of the menu on cable connector j with the handler of the drop or
    // click it stands for.
    void runChoice(const ConnectorChoice& choice, int j);

    GameState& state_;
    StartupSettings& settings_;
    TimeSource& time_;
    Board board_;
    const quint64 token_;
    HelpWindowOpener* helpOpener_ = nullptr;

    // The outer size the layout asks for; the client area gives way to the frame.
    FixedOuterSize* outerSize_ = nullptr;

    GameWindowControls controls_;
    BoardView* boardView_ = nullptr;
    // Appears with each verdict, for a screen reader to speak it.
    QWidget* verdictNotice_ = nullptr;
    QList<QAction*> commands_;
    // A cable connector that had the keyboard focus while a command hid the connectors.
    QPointer<QWidget> focusBeforeHiding_;
};

} // namespace kestrelink::ui
