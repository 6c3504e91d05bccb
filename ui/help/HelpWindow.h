// The help window: how to play, a small picture of two PCs, the credits, the website button and
// Close. It opens beside the start-up window and keeps no state beyond being open.
#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace kestrelink::ui {

class ArrowBox;
class ComputerPicture;
class DisplayTextBox;
class StartupSettings;
class WebsiteButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Loads the window and places it beside `startup`'s window; does not show it.
    explicit HelpWindow(const StartupSettings& startup, QWidget* parent = nullptr);

    // The outer position the window takes when it loads beside a start-up window whose outer
    // top-left corner is `startupTopLeft`.
    static QPoint placeBeside(const QPoint& startupTopLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildPicture();
    void setTabOrderAndFocus();
    // Handles a key that scrolls the help text or closes the window; false for any other.
    bool readingKey(QKeyEvent* event);

    void Form_Load(const StartupSettings& startup);
    void cmdClose_Click();

    QLabel* Label2 = nullptr;
    DisplayTextBox* Text2 = nullptr;
    WebsiteButton* cmdVisitOrvane = nullptr;
    QFrame* frmForm3PC = nullptr;
    std::array<ComputerPicture*, 2> form3PC{};
    ArrowBox* Text1 = nullptr;
    DisplayTextBox* Text3 = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace kestrelink::ui
