// The playing window: the board for N PCs, the five commands, the verdict and the clock. It
// translates the player's mouse into moves of cable connectors, and asks the core where things
// go and what the board's wiring amounts to.
#pragma once

#include "game/BoardLayout.h"
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "game/Verdict.h"

#include <QLabel>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QGroupBox;
class QLineEdit;
class QMimeData;
class QPushButton;
class QTimer;

namespace kestrelink::ui {

class BoardControl;
class CableConnector;
class CableLayer;
class DropArea;
class FaceLabel;
class HelpWindowOpener;
class PcPicture;
class StartupSettings;

// A label whose caption may hold carriage returns, shown as line breaks.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& name, QWidget* parent);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

private:
    QString caption_;
};

class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(GameState& state, StartupSettings& settings, RandomSource& random,
               QWidget* parent = nullptr);
    ~GameWindow() override;

    // Start-up: extends the board to NumberOfPCs (first run only), lays it out, sizes the
    // window, records the home slots, generates a puzzle and locks the start-up settings.
    void Form_Load();

    // Moves every cable to its connectors, then judges the board and shows the verdict.
    void ReDrawCables();

    // The name of a colour, or `colorText` left untouched for a colour without a name.
    void GetColorText(const Color& theColor, std::string& colorText) const;

    // The window's outer size in twips as the platform made it (border and caption included).
    float outerWidthTwips() const;
    float outerHeightTwips() const;

    // The board's control arrays (as many elements as have been created).
    int createdConnectorCount() const { return static_cast<int>(cableConnectors_.size()); }
    int createdPcCount() const { return static_cast<int>(pcs_.size()); }
    CableConnector* TheCableConnector(int j) const;
    BoardControl* CableCoverUp(int j) const;
    BoardControl* ThePcConnector(int c) const;
    DropArea* ThePcConnectorArea(int c) const;
    PcPicture* txtThePC(int p) const;
    CableLayer* TheCable() const { return cables_; }

    CaptionLabel* lblCongratulations() const { return lblCongratulations_; }
    FaceLabel* lblSmile1() const { return lblSmile1_; }
    FaceLabel* lblSmile2() const { return lblSmile2_; }
    FaceLabel* lblFrown1() const { return lblFrown1_; }
    FaceLabel* lblFrown2() const { return lblFrown2_; }
    BoardControl* lblCoverUpCableBackground() const { return lblCoverUpCableBackground_; }
    QGroupBox* frmCommandButtons() const { return frmCommandButtons_; }
    QLineEdit* txtCurrentTime() const { return txtCurrentTime_; }
    QLineEdit* txtStartingTime() const { return txtStartingTime_; }
    QLineEdit* txtEndingTimeTime() const { return txtEndingTimeTime_; }
    QLineEdit* txtElapsedTime() const { return txtElapsedTime_; }
    QPushButton* cmdNewGame() const { return cmdNewGame_; }
    QPushButton* cmdRestartCurrentGame() const { return cmdRestartCurrentGame_; }
    QPushButton* cmdShowSolution() const { return cmdShowSolution_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    QPushButton* cmdQuit() const { return cmdQuit_; }
    QTimer* timerGameClock() const { return timerGameClock_; }
    QTimer* timerCableAnimation() const { return timerCableAnimation_; }

    // The opener both Help buttons share; without one (the window's own tests) Help does
    // nothing.
    void setHelpWindowOpener(HelpWindowOpener* opener) { helpOpener_ = opener; }

    // What a drag of cable connector j carries (the caller owns it).
    QMimeData* dragDataOf(int j) const;

    // Handlers of the board, named after their controls; public so that the windows' tests can
    // drive them directly as well as through real mouse input.
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
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildDefinition();
    void addBoardElements(int connectorCount, int pcCount);
    void extendBoard(const BoardLayout& layout);
    void placeCables();
    void sizeWindow(const BoardLayout& layout);
    void applyOuterSize();
    void alignToWidth();
    void restack();
    void paintPuzzle(const std::vector<Color>& pcColors, const std::vector<Color>& cableColors);
    void showVerdict(Verdict verdict);
    void paintCable(int cable, Color color);
    void paintAllCables(Color color);
    void sendHome(int j);
    void resetClockBoxes();
    // Hides the cable connectors and lets the window repaint without them; timers may tick
    // here, but no input is taken until the handler has finished.
    void hideConnectorsAndRepaint();
    // The cable connector a drag over the window surface carries, if it is one of this
    // window's and the pointer is over the bare surface (not over another control).
    std::optional<int> surfaceDropSource(const QDropEvent* event) const;
    bool isOwnConnector(int j) const;
    // A key that types a character into any control of this window (Tab moves the focus).
    bool isCharacterKeyForThisWindow(QObject* watched, QEvent* event) const;
    int connectorCount() const { return state_.connectorCount(); }

    GameState& state_;
    StartupSettings& settings_;
    RandomSource& random_;
    const quint64 token_;
    HelpWindowOpener* helpOpener_ = nullptr;

    // Outer size the layout asked for, in twips; the client area follows from it and the
    // frame the window manager adds.
    float outerWidth_ = 0;
    float outerHeight_ = 0;
    QSize appliedFrame_{-1, -1};

    QGroupBox* frmCommandButtons_ = nullptr;
    QPushButton* cmdNewGame_ = nullptr;
    QPushButton* cmdRestartCurrentGame_ = nullptr;
    QPushButton* cmdShowSolution_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
    FaceLabel* lblSmile1_ = nullptr;
    FaceLabel* lblSmile2_ = nullptr;
    FaceLabel* lblFrown1_ = nullptr;
    FaceLabel* lblFrown2_ = nullptr;
    CaptionLabel* lblCongratulations_ = nullptr;
    QLineEdit* txtCurrentTime_ = nullptr;
    QLineEdit* txtStartingTime_ = nullptr;
    QLineEdit* txtEndingTimeTime_ = nullptr;
    QLineEdit* txtElapsedTime_ = nullptr;
    BoardControl* lblCoverUpCableBackground_ = nullptr;
    CableLayer* cables_ = nullptr;
    std::vector<CableConnector*> cableConnectors_;
    std::vector<BoardControl*> coverUps_;
    std::vector<BoardControl*> pcConnectors_;
    std::vector<DropArea*> dropAreas_;
    std::vector<PcPicture*> pcs_;
    QTimer* timerGameClock_ = nullptr;
    QTimer* timerCableAnimation_ = nullptr;
};

} // namespace kestrelink::ui
