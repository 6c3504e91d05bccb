// The start-up window: its controls as laid out in twips, the handlers that keep the settings
// and the shared state in step, and the lock the game window puts on the settings.
#include "ui/startup/MainStartupWindow.h"

#include "game/Color.h"
#include "ui/common/Accessibility.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"
#include "ui/common/Pictograms.h"
#include "ui/common/ReportFolder.h"
#include "ui/common/ReturnPressesButtons.h"
#include "ui/common/Twips.h"
#include "ui/common/WebsiteButton.h"
#include "ui/common/WindowFrame.h"
#include "ui/startup/ComputerRing.h"
#include "ui/startup/CountScrollBar.h"
#include "ui/startup/GameWindowHost.h"
#include "ui/startup/SettingsFrame.h"
#include "ui/startup/WrappingCheckBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kestrelink::ui {

namespace {

// Some platform styles jump the thumb to a clicked point of the track; the counts are meant to
// move by their large step there.
class PagingScrollBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Labels wrap at their width and start at the top left unless a caller says otherwise, as
// the classic label control does.
QLabel* makeLabel(QWidget* parent, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    return label;
}

void setTextColor(QWidget* widget, Color color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    widget->setPalette(palette);
}

QScrollBar* makeCountScrollBar(QWidget* parent, QStyle* style, int minimum, int maximum,
                               int largeStep) {
    auto* bar = new CountScrollBar(parent);
    bar->setStyle(style);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(largeStep);
    bar->setValue(minimum);
    // Tracking makes a dragged thumb report every value it passes, as a move does.
    bar->setTracking(true);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QLineEdit* makeCountBox(QWidget* parent) {
    // The text comes after the font: a line edit lays out the text it is made with in the
    // desktop's font, before it takes its own, and would shape it there for nothing.
    auto* box = new QLineEdit(parent);
    box->setFont(dialogFont(12, true));
    box->setText(QStringLiteral("4"));
    box->setEnabled(false);
    // Display only, yet the one place the chosen counts are read: a text box's white ground
    // with a dark number, not the washed-out look of a disabled field.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
    box->setPalette(palette);
    return box;
}

} // namespace

MainStartupWindow::MainStartupWindow(GameState& state, QWidget* parent)
    : MainStartupWindow(state, nullptr, parent) {}

MainStartupWindow::MainStartupWindow(GameState& state, RandomSource& random, QWidget* parent)
    : MainStartupWindow(state, &random, parent) {}

MainStartupWindow::MainStartupWindow(GameState& state, RandomSource* injected, QWidget* parent)
    : QWidget(parent), state_(state), ownRandom_(injected ? nullptr : makeRandomSource()),
      random_(injected ? *injected : *ownRandom_),
      gameHost_(std::make_unique<GameWindowHost>(state, *this, helpOpener_, this)) {
    accessibility::markAsWindow(*this);
    setObjectName(QStringLiteral("MainStartupWindow"));
    setWindowTitle(tr("Kestrelink® Connection Game"));
    applyFixedSingleBorder(*this, toPixelSize(8535, 6450));
    applyDesignPalette(*this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(kButtonFace));
    setPalette(palette);
    setAutoFillBackground(true);

    buildControls();
    nameControlsForScreenReaders();
    setTabOrderAndFocus();
    connectHandlers();
    letReturnPressButtons(*this);
    // The frame is not known before the window manager has decorated the window, so the client
    // area is centred; the caption shifts it by a few pixels at most.
    ui::centreOnScreen(*this);
    Form_Load();
}

MainStartupWindow::~MainStartupWindow() = default;

void MainStartupWindow::buildControls() {
    buildComputerRing(this);

    lblKestrelinkGame = makeLabel(this, tr("Welcome to the Orvane Kestrelink® Connection Game"),
                                  dialogFont(18, true));
    lblKestrelinkGame->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeControl(lblKestrelinkGame, "lblKestrelinkGame", 60, 120, 8415, 795);

    Label3 = makeLabel(this,
                       tr("This simple game can be lots of fun and you might find "
                          "that it is more frustrating and harder than it first "
                          "appears to be."),
                       dialogFont(9.75, true));
    setTextColor(Label3, 0x00000000);
    placeControl(Label3, "Label3", 1020, 1080, 6180, 600);

    Label5 = makeLabel(this, tr("Careful ... Don't Have Too Much Fun With It !"),
                       dialogFont(13.5, true));
    setTextColor(Label5, 0x00FFFF80);
    placeControl(Label5, "Label5", 840, 1680, 6270, 360);

    Label4 = makeLabel(this,
                       tr("The object of the game is to connect all of the PCs together as quickly "
                          "as possible using the cables provided -- Note that to be connected "
                          "correctly, each PC must be connected to (2) other PCs so that data can "
                          "flow to ALL PCs.  Adding more PCs makes the game more difficult.  "
                          "Setting fewer colors can make the game more difficult as well.  Setting "
                          "Advanced hides cable connectors during play."),
                       dialogFont(9.75, false));
    placeControl(Label4, "Label4", 120, 2160, 4155, 2295);

    buildSettingsFrame();

    cmdVisitOrvane = new WebsiteButton(tr("Visit Orvane' Website for the best in PC to PC "
                                          "Connection and Networking Products ... %1"),
                                       this);
    placeControl(cmdVisitOrvane, "cmdVisitOrvane", 4500, 4620, 3975, 1155);

    cmdHelp = new QPushButton(tr("Help"), this);
    cmdHelp->setFont(dialogFont(8.25, true));
    cmdHelp->setToolTip(tr("More help"));
    placeControl(cmdHelp, "cmdHelp", 4500, 5880, 1815, 495);

    cmdExit = new QPushButton(tr("Exit"), this);
    cmdExit->setFont(dialogFont(8.25, true));
    cmdExit->setToolTip(tr("Exit Kestrelink® Connection Game"));
    placeControl(cmdExit, "cmdExit", 6540, 5880, 1935, 495);
    // The generator's listings get their hidden list boxes with the first listing.
}

void MainStartupWindow::buildSettingsFrame() {
    Frame1 = new SettingsFrame(tr("Select Play or Experience Level"), dialogFont(8.25, true), this);
    placeControl(Frame1, "Frame1", 4500, 2160, 3975, 2355);

    PlayLevel[0] = new QRadioButton(tr("Beginner"), Frame1);
    PlayLevel[0]->setFont(dialogFont(9.75, true));
    PlayLevel[0]->setToolTip(tr("Easier games"));
    PlayLevel[0]->setChecked(true);
    placeControl(PlayLevel[0], "PlayLevel0", 120, 300, 1875, 255);

    PlayLevel[1] = new QRadioButton(tr("Advanced"), Frame1);
    PlayLevel[1]->setFont(dialogFont(9.75, true));
    PlayLevel[1]->setToolTip(tr("More difficult games"));
    placeControl(PlayLevel[1], "PlayLevel1", 2100, 300, 1575, 255);

    // The classic dialog face is a little narrower than its sans-serif stand-in; at full width
    // "Number of PCs" misses this narrow label by two pixels and the label would need a third
    // line it has no room for. A 4% tighter spacing keeps it to the two lines it was made for.
    QFont label1Font = dialogFont();
    label1Font.setLetterSpacing(QFont::PercentageSpacing, 96);
    Label1 = makeLabel(Frame1, tr("Number of PCs to Connect"), label1Font);
    placeControl(Label1, "Label1", 180, 660, 1095, 435);

    auto* scrollStyle = new PagingScrollBarStyle;
    scrollStyle->setParent(this);

    HScroll1 = makeCountScrollBar(Frame1, scrollStyle, kMinPcs, kMaxPcs, 4);
    placeControl(HScroll1, "HScroll1", 1440, 660, 1635, 315);

    txtGamePCs = makeCountBox(Frame1);
    txtGamePCs->setMaxLength(2);
    placeControl(txtGamePCs, "txtGamePCs", 3180, 660, 495, 330);

    chkUseRandomColorCount = new WrappingCheckBox(tr("Use Random Color Count"), Frame1);
    chkUseRandomColorCount->setFont(dialogFont());
    placeControl(chkUseRandomColorCount, "chkUseRandomColorCount", 120, 1140, 1275, 375);

    HScroll2 = makeCountScrollBar(Frame1, scrollStyle, 4, 10, 2);
    placeControl(HScroll2, "HScroll2", 1440, 1140, 1635, 315);

    txtColorCount = makeCountBox(Frame1);
    placeControl(txtColorCount, "txtColorCount", 3180, 1110, 495, 345);

    cmdPlay = new QPushButton(tr("Play Now"), Frame1);
    cmdPlay->setFont(dialogFont(12, true));
    cmdPlay->setToolTip(tr("Open Game Window and start game"));
    placeControl(cmdPlay, "cmdPlay", 180, 1620, 3615, 615);
}

// The counts are named by the texts that say what they count: the PCs by the label beside
// them, the colours (whose bar has no label) by the words the help text uses for them.
void MainStartupWindow::nameControlsForScreenReaders() {
    const QString pcs =
        QCoreApplication::translate("MainStartupWindow", "Number of PCs to Connect");
    HScroll1->setAccessibleName(pcs);
    accessibility::markAsDisplayBox(*txtGamePCs, pcs);
    const QString colors =
        QCoreApplication::translate("MainStartupWindow", "Number of Colors to use");
    HScroll2->setAccessibleName(colors);
    accessibility::markAsDisplayBox(*txtColorCount, colors);
}

void MainStartupWindow::setTabOrderAndFocus() {
    const std::array<QWidget*, 9> order{PlayLevel[0], PlayLevel[1],           cmdHelp,
                                        cmdExit,      cmdVisitOrvane,         cmdPlay,
                                        HScroll2,     chkUseRandomColorCount, HScroll1};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    PlayLevel[0]->setFocus();
}

void MainStartupWindow::connectHandlers() {
    connect(HScroll1, &QScrollBar::valueChanged, this, &MainStartupWindow::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &MainStartupWindow::HScroll2_Change);
    connect(txtGamePCs, &QLineEdit::textChanged, this, &MainStartupWindow::txtGamePCs_Change);
    connect(chkUseRandomColorCount, &QCheckBox::toggled, this,
            &MainStartupWindow::chkUseRandomColorCount_Click);
    connect(Frame1, &SettingsFrame::frameClicked, this, &MainStartupWindow::Frame1_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &MainStartupWindow::cmdPlay_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &MainStartupWindow::cmdHelp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &MainStartupWindow::cmdExit_Click);
}

// The ring's cables run between its PC pictures, over the window's own surface.
void MainStartupWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    paintComputerRingCables(painter);
}

// The program's folder is recorded only for the report's default name; an installed game, or one
// whose folder the player may not write into, offers it among the player's own files instead.
void MainStartupWindow::Form_Load() {
    state_.AppPath = reportFolder(QCoreApplication::applicationDirPath()).toStdString();
    txtGamePCs_Change();
}

void MainStartupWindow::HScroll1_Change() {
    txtGamePCs->setText(QString::number(HScroll1->value()));
}

void MainStartupWindow::HScroll2_Change() {
    // Clearing the box shows the scroll bar's count through its own handler; the count is set
    // again here for the case that the box was already clear.
    chkUseRandomColorCount->setChecked(false);
    txtColorCount->setText(QString::number(HScroll2->value()));
}

void MainStartupWindow::txtGamePCs_Change() {
    bool isNumber = false;
    const double value = txtGamePCs->text().toDouble(&isNumber);
    const long rounded = isNumber ? std::lround(value) : 0L;
    state_.NumberOfPCs = static_cast<std::int16_t>(
        std::clamp<long>(rounded, std::numeric_limits<std::int16_t>::min(),
                         std::numeric_limits<std::int16_t>::max()));
}

void MainStartupWindow::chkUseRandomColorCount_Click() {
    if (chkUseRandomColorCount->isChecked())
        txtColorCount->setText(QString::number(random_.below(6) + 4));
    else
        txtColorCount->setText(QString::number(HScroll2->value()));
}

void MainStartupWindow::Frame1_Click() {
    if (!state_.GameWindowIsOpen)
        return;
    const QString text =
        tr("You must quit the currently running Game Window in order to change the "
           "Game Settings\n\nDo you want to close the current Game Window?\n\n"
           "Press YES to close the current Game Window\n"
           "Press NO to return to current Game Window\n"
           "Press Cancel to just quite this dialog box");
    QMessageBox box(QMessageBox::Warning, tr("Kestrelink® Connection Game Info"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        gameHost_->close();
        break;
    case QMessageBox::No:
        gameHost_->raise();
        break;
    default:
        break;
    }
}

void MainStartupWindow::cmdPlay_Click() {
    gameHost_->play();
}

void MainStartupWindow::cmdHelp_Click() {
    helpOpener_.open();
}

// exit() leaves the event loop without sending a close event to any window (quit() would ask
// every window to close first), so no window's closing steps run.
void MainStartupWindow::cmdExit_Click() {
    QCoreApplication::exit(0);
}

bool MainStartupWindow::advancedLevel() const {
    return PlayLevel[1]->isChecked();
}

QString MainStartupWindow::colorCountText() const {
    return txtColorCount->text();
}

QString MainStartupWindow::pcCountText() const {
    return txtGamePCs->text();
}

// The player never sees the listings, and a start may never deal a game: a list box brings
// Qt's item views into memory, which every start would otherwise pay for two empty, hidden boxes.
QListWidget* MainStartupWindow::listingBox(QListWidget*& box, const char* name, int left) {
    if (box == nullptr) {
        box = new QListWidget(this);
        placeControl(box, name, left, 6300, 1035, 6105);
        box->hide();
        // Hidden for good: it only keeps a listing.
        accessibility::leaveOut(*box);
    }
    return box;
}

void MainStartupWindow::showPairingListing(const QStringList& lines) {
    QListWidget* box = listingBox(lstDebug, "lstDebug", 900);
    box->clear();
    box->addItems(lines);
    box->repaint();
}

void MainStartupWindow::showCableListing(const QStringList& lines) {
    QListWidget* box = listingBox(lstDebug1, "lstDebug1", 1860);
    box->clear();
    box->addItems(lines);
    box->repaint();
}

void MainStartupWindow::lockSettings() {
    const std::array<QWidget*, 8> order{
        PlayLevel[0], PlayLevel[1], txtGamePCs, HScroll1,
        HScroll2,     cmdPlay,      Label1,     chkUseRandomColorCount};
    for (QWidget* control : order)
        control->setEnabled(false);
}

void MainStartupWindow::unlockSettings() {
    // The count boxes stay disabled: they are for display only.
    const std::array<QWidget*, 7> order{
        PlayLevel[0], PlayLevel[1], chkUseRandomColorCount, HScroll1, HScroll2, cmdPlay, Label1};
    for (QWidget* control : order)
        control->setEnabled(true);
}

QPoint MainStartupWindow::outerTopLeft() const {
    return ui::outerTopLeft(*this);
}

} // namespace kestrelink::ui
