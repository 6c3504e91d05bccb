// The first window of the program: the game settings, Play Now, Help, Exit and the website
// button, with a picture of four PCs in a ring.
#pragma once

#include "game/GameState.h"
#include "game/RandomSource.h"
#include "ui/common/StartupSettings.h"
#include "ui/help/HelpWindowOpener.h"

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kestrelink::ui {

class GameWindowHost;
class SettingsFrame;
class WebsiteButton;
class WrappingCheckBox;

class MainStartupWindow : public QWidget, public StartupSettings {
    Q_OBJECT
public:
    // Draws random colour counts from a generator of its own.
    explicit MainStartupWindow(GameState& state, QWidget* parent = nullptr);
    // Draws random colour counts from `random`, which must outlive the window.
    MainStartupWindow(GameState& state, RandomSource& random, QWidget* parent = nullptr);
    ~MainStartupWindow() override;

    bool advancedLevel() const override;
    QString colorCountText() const override;
    QString pcCountText() const override;
    void showPairingListing(const QStringList& lines) override;
    void showCableListing(const QStringList& lines) override;
    void lockSettings() override;
    void unlockSettings() override;
    QPoint outerTopLeft() const override;

    // Opens and closes the game window for Play Now and the settings frame's offer.
    GameWindowHost& gameWindowHost() { return *gameHost_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MainStartupWindow(GameState& state, RandomSource* injected, QWidget* parent);

    void buildControls();
    void buildSettingsFrame();
    void nameControlsForScreenReaders();
    void setTabOrderAndFocus();
    void connectHandlers();
    // The hidden box that keeps a listing, made on first use.
    QListWidget* listingBox(QListWidget*& box, const char* name, int left);

    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void txtGamePCs_Change();
    void chkUseRandomColorCount_Click();
    void Frame1_Click();
    void cmdPlay_Click();
    void cmdHelp_Click();
    void cmdExit_Click();

    GameState& state_;
    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource& random_;
    // Built before the game window's host and gone after it: both Help buttons share it.
    HelpWindowOpener helpOpener_{*this};
    std::unique_ptr<GameWindowHost> gameHost_;

    QLabel* lblKestrelinkGame = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    SettingsFrame* Frame1 = nullptr;
    WebsiteButton* cmdVisitOrvane = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdExit = nullptr;
    // Made with the first listing.
    QListWidget* lstDebug = nullptr;
    QListWidget* lstDebug1 = nullptr;

    std::array<QRadioButton*, 2> PlayLevel{};
    QLabel* Label1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLineEdit* txtGamePCs = nullptr;
    WrappingCheckBox* chkUseRandomColorCount = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLineEdit* txtColorCount = nullptr;
    QPushButton* cmdPlay = nullptr;
};

} // namespace kestrelink::ui
