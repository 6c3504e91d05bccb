// What the game window needs of the start-up window: the settings it shows, a place for the
// generator's diagnostic listings, and the lock on the settings while a game is open.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

namespace kestrelink::ui {

class StartupSettings {
public:
    virtual ~StartupSettings() = default;

    // "Advanced" (PlayLevel(1)) is selected.
    virtual bool advancedLevel() const = 0;
    // The texts of txtColorCount and txtGamePCs, exactly as shown.
    virtual QString colorCountText() const = 0;
    virtual QString pcCountText() const = 0;

    // Fills the hidden lstDebug and lstDebug1 with the generator's listings.
    virtual void showPairingListing(const QStringList& lines) = 0;
    virtual void showCableListing(const QStringList& lines) = 0;

    // Disables the settings while a game window is open, in the order the game's start-up
    // gives; enables them again when it closes.
    virtual void lockSettings() = 0;
    virtual void unlockSettings() = 0;

    // The outer top-left corner of the start-up window in pixels, for placing the help window.
    virtual QPoint outerTopLeft() const = 0;
};

} // namespace kestrelink::ui
