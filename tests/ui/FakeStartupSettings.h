// A stand-in for the start-up window in the game window's tests: settings set by the test, a
// record of the listings and of the lock.
#pragma once

#include "ui/common/StartupSettings.h"

namespace kestrelink::ui::testing {

class FakeStartupSettings : public StartupSettings {
public:
    bool advanced = false;
    QString colorCount = QStringLiteral("4");
    QString pcCount = QStringLiteral("4");
    QStringList pairingListing;
    QStringList cableListing;
    bool locked = false;
    int lockCalls = 0;
    int unlockCalls = 0;

    bool advancedLevel() const override { return advanced; }
    QString colorCountText() const override { return colorCount; }
    QString pcCountText() const override { return pcCount; }
    void showPairingListing(const QStringList& lines) override { pairingListing = lines; }
    void showCableListing(const QStringList& lines) override { cableListing = lines; }
    void lockSettings() override {
        locked = true;
        ++lockCalls;
    }
    void unlockSettings() override {
        locked = false;
        ++unlockCalls;
    }
    QPoint outerTopLeft() const override { return {}; }
};

} // namespace kestrelink::ui::testing
