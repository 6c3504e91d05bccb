// The playing window: start-up, the redraw and verdict, the mouse on the board, the commands.
#include "ui/game/GameWindow.h"

#include "game/ClockText.h"
#include "game/Palette.h"
#include "game/PuzzleGenerator.h"
#include "report/SettingsReport.h"
#include "ui/common/Fonts.h"
#include "ui/common/ReportFile.h"
#include "ui/common/StartupSettings.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFrame.h"
#include "ui/common/WrappedTextButton.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableConnectorDrag.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/PictogramControl.h"
#include "ui/help/HelpWindowOpener.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace kestrelink::ui {

namespace {

const QString kInstructionMessage = QStringLiteral(
    "Connect the PCs together using the cables so that all the PCs are connected and data can "
    "flow to all PCs -- Good Luck ... And don't have too much fun !!!");
const QString kWrongMessage =
    QStringLiteral("                    Sorry \r\rThe PCs are not connected correctly");
const QString kCorrectMessage =
    QStringLiteral("             Congratulations !!!\r\rYou have correctly connected the PCs");

// A press within this many twips above or below either end of a cable marks that cable.
constexpr float kMarkingReach = 50;

// The cable segments as the window is defined, before start-up places them.
constexpr TwipLine kDefinedSegments[] = {
    {1740, 2160, 1860, 2160}, {1740, 2760, 1860, 2760}, {1920, 2760, 1920, 2160},
    {2340, 2160, 2460, 2160}, {2340, 2760, 2460, 2760}, {2460, 2760, 2460, 2160},
    {2820, 2160, 2940, 2160}, {2880, 2760, 3000, 2760}, {3000, 2760, 3000, 2160},
    {3480, 2160, 3600, 2160}, {3480, 2760, 3600, 2760}, {3600, 2760, 3600, 2160},
};

quint64 nextWindowToken() {
    static std::atomic<quint64> counter{0};
    return ++counter;
}

// The clock reads whole seconds, so that start, finish and elapsed time agree to the second.
Clock::time_point nowInWholeSeconds() {
    return std::chrono::floor<std::chrono::seconds>(Clock::now());
}

void placeWidget(QWidget& widget, const TwipRect& twips) {
    widget.setGeometry(toPixelRect(twips));
}

QLineEdit* makeTimeBox(QWidget* parent, const char* name, const TwipRect& at, const char* tip) {
    auto* box = new QLineEdit(QStringLiteral("00:00:00"), parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(dialogFont(8.25, true));
    box->setToolTip(QString::fromUtf8(tip));
    box->setAttribute(Qt::WA_NoMousePropagation);
    placeWidget(*box, at);
    return box;
}

QPushButton* makeCommand(QGroupBox* frame, const char* name, const char* caption, float left,
                         float width, const char* tip) {
    // Captions too long for one line wrap onto two, as the classic command buttons do.
    auto* button = new WrappedTextButton(QString::fromUtf8(caption), frame);
    button->setObjectName(QLatin1String(name));
    button->setFont(dialogFont(8.25, true));
    button->setToolTip(QString::fromUtf8(tip));
    placeWidget(*button, TwipRect{left, 240, width, 615});
    return button;
}

} // namespace

CaptionLabel::CaptionLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_NoMousePropagation);
}

void CaptionLabel::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

GameWindow::GameWindow(GameState& state, StartupSettings& settings, RandomSource& random,
                       QWidget* parent)
    : QWidget(parent), state_(state), settings_(settings), random_(random),
      token_(nextWindowToken()) {
    buildDefinition();
}

GameWindow::~GameWindow() = default;

void GameWindow::buildDefinition() {
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(QStringLiteral("Kestrelink® Connection Game - Playing Window"));
    applyFixedSingleBorder(*this, toPixelSize(definition::kClientWidth, definition::kClientHeight));
    setFont(dialogFont());
    setMouseTracking(true);
    setAcceptDrops(true);

    // Created bottom to top: labels, then the cables, then text boxes, buttons and the board's
    // squares, so that the cables run over the labels and beneath the connectors.
    lblCoverUpCableBackground_ = new BoardControl(0, BoardControl::Border::None, this);
    lblCoverUpCableBackground_->setObjectName(QStringLiteral("lblCoverUpCableBackground"));
    lblCoverUpCableBackground_->setTwipRect(definition::kCableBand);
    lblCoverUpCableBackground_->setMouseTracking(true);

    lblCongratulations_ = new CaptionLabel(QStringLiteral("lblCongratulations"), this);
    lblCongratulations_->setFont(dialogFont(8.25, true));
    lblCongratulations_->setWordWrap(true);
    lblCongratulations_->setCaption(kInstructionMessage);
    placeWidget(*lblCongratulations_, definition::kMessageLabel);

    lblSmile1_ = new FaceLabel(QStringLiteral("lblSmile1"), true, kWhite, this);
    lblSmile2_ = new FaceLabel(QStringLiteral("lblSmile2"), true, kWhite, this);
    lblFrown1_ = new FaceLabel(QStringLiteral("lblFrown1"), false, kRed, this);
    lblFrown2_ = new FaceLabel(QStringLiteral("lblFrown2"), false, kRed, this);
    for (FaceLabel* face : {lblSmile1_, lblFrown1_})
        face->setTwipRect(definition::kFaceLeft);
    for (FaceLabel* face : {lblSmile2_, lblFrown2_})
        face->setTwipRect(definition::kFaceRight);
    for (FaceLabel* face : {lblSmile1_, lblSmile2_, lblFrown1_, lblFrown2_})
        face->hide();

    cables_ = new CableLayer(this);
    cables_->setGeometry(rect());
    cables_->setSegmentCount(static_cast<int>(std::size(kDefinedSegments)));
    for (int i = 0; i < cables_->segmentCount(); ++i) {
        cables_->setLine(i, kDefinedSegments[i]);
        cables_->setSegmentVisible(i, true);
    }

    frmCommandButtons_ = new QGroupBox(this);
    frmCommandButtons_->setObjectName(QStringLiteral("frmCommandButtons"));
    frmCommandButtons_->setAttribute(Qt::WA_NoMousePropagation);
    placeWidget(*frmCommandButtons_, definition::kCommandFrame);
    cmdNewGame_ = makeCommand(frmCommandButtons_, "cmdNewGame", "New Game", 120, 975,
                              "Creates new random connection game");
    cmdRestartCurrentGame_ = makeCommand(frmCommandButtons_, "cmdRestartCurrentGame",
                                         "Restart Game", 1200, 915, "Restarts current game");
    cmdShowSolution_ = makeCommand(frmCommandButtons_, "cmdShowSolution", "Show Solution", 2220,
                                   915, "Connect all and show the primary connection solution");
    cmdHelp_ = makeCommand(frmCommandButtons_, "cmdHelp", "Help", 3240, 855, "More help");
    cmdQuit_ = makeCommand(frmCommandButtons_, "cmdQuit", "Quit Game", 4200, 855,
                           "Quit current game and close the Game Window");
    connect(cmdQuit_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdRestartCurrentGame_, &QPushButton::clicked, this,
            &GameWindow::cmdRestartCurrentGame_Click);
    connect(cmdShowSolution_, &QPushButton::clicked, this, &GameWindow::cmdShowSolution_Click);
    connect(cmdNewGame_, &QPushButton::clicked, this, &GameWindow::cmdNewGame_Click);
    connect(cmdHelp_, &QPushButton::clicked, this, &GameWindow::cmdHelp_Click);

    txtCurrentTime_ = makeTimeBox(this, "txtCurrentTime", definition::kCurrentTime, "Current Time");
    txtStartingTime_ =
        makeTimeBox(this, "txtStartingTime", definition::kStartingTime, "Current game start time");
    txtEndingTimeTime_ =
        makeTimeBox(this, "txtEndingTimeTime", definition::kEndingTime, "Time game was finished");
    txtElapsedTime_ =
        makeTimeBox(this, "txtElapsedTime", definition::kElapsedTime, "Elapsed game time");

    // The board as defined holds four PCs.
    extendBoard(layoutBoard(kMinPcs));

    // The window sees every key before its controls do, whichever has the focus; the same
    // filter watches the band's mouse moves and the time boxes' focus (see eventFilter).
    QCoreApplication::instance()->installEventFilter(this);

    timerGameClock_ = new QTimer(this);
    timerGameClock_->setObjectName(QStringLiteral("timerGameClock"));
    timerGameClock_->setInterval(1000);
    connect(timerGameClock_, &QTimer::timeout, this, &GameWindow::timerGameClock_Timer);
    timerGameClock_->start();

    timerCableAnimation_ = new QTimer(this);
    timerCableAnimation_->setObjectName(QStringLiteral("timerCableAnimation"));
    timerCableAnimation_->setInterval(150);
    connect(timerCableAnimation_, &QTimer::timeout, this, &GameWindow::timerCableAnimation_Timer);

    restack();
}

void GameWindow::addBoardElements(int connectorCount, int pcCount) {
    // New elements copy element 0 of their array and start hidden; the caller places them.
    for (int j = static_cast<int>(cableConnectors_.size()); j < connectorCount; ++j) {
        auto* connector = new CableConnector(j, token_, this);
        connector->setBackColor(0x00FFFF00);
        connector->hide();
        connect(connector, &CableConnector::clicked, this, &GameWindow::TheCableConnector_Click);
        cableConnectors_.push_back(connector);

        auto* coverUp = new BoardControl(j, BoardControl::Border::Sunken, this);
        coverUp->setObjectName(QStringLiteral("CableCoverUp%1").arg(j));
        coverUp->setPassesInputThrough(true);
        coverUp->hide();
        coverUps_.push_back(coverUp);

        auto* pcConnector = new BoardControl(j, BoardControl::Border::Sunken, this);
        pcConnector->setObjectName(QStringLiteral("ThePcConnector%1").arg(j));
        pcConnector->setBackColor(0x00FFFF00);
        pcConnector->setPassesInputThrough(true);
        pcConnector->hide();
        pcConnectors_.push_back(pcConnector);

        auto* area = new DropArea(j, token_, this);
        area->hide();
        connect(area, &DropArea::dragOver, this, &GameWindow::ThePcConnectorArea_DragOver);
        connect(area, &DropArea::dropped, this, &GameWindow::ThePcConnectorArea_DragDrop);
        dropAreas_.push_back(area);
    }
    for (int p = static_cast<int>(pcs_.size()); p < pcCount; ++p) {
        auto* pc = new PcPicture(p, this);
        pc->hide();
        pcs_.push_back(pc);
    }
    const int segmentCount = 3 * pcCount;
    if (cables_->segmentCount() < segmentCount)
        cables_->setSegmentCount(segmentCount);
}

void GameWindow::extendBoard(const BoardLayout& layout) {
    addBoardElements(2 * layout.pcCount, layout.pcCount);
    // Every element goes where the layout puts it: the new ones below and right of the
    // template's, and the right-hand column of PCs moved out to make room for the longer
    // cable row.
    for (int c = 0; c < 2 * layout.pcCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        cableConnectors_[i]->setTwipRect(layout.cableConnectors[i]);
        coverUps_[i]->setTwipRect(layout.cableConnectors[i]);
        pcConnectors_[i]->setTwipRect(layout.pcConnectors[i]);
        dropAreas_[i]->setTwipRect(layout.dropAreas[i]);
        cableConnectors_[i]->show();
        pcConnectors_[i]->show();
        dropAreas_[i]->show();
    }
    for (int p = 0; p < layout.pcCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        pcs_[i]->setTwipRect(layout.pcs[i]);
        pcs_[i]->show();
    }
}

void GameWindow::placeCables() {
    for (int k = 0; k < state_.pcCount(); ++k) {
        const auto lines = placeCable(TheCableConnector(2 * k)->twipRect(),
                                      TheCableConnector(2 * k + 1)->twipRect());
        for (int s = 0; s < 3; ++s) {
            cables_->setLine(3 * k + s, lines[static_cast<std::size_t>(s)]);
            cables_->setSegmentVisible(3 * k + s, true);
        }
    }
}

void GameWindow::sizeWindow(const BoardLayout& layout) {
    outerWidth_ = layout.windowWidth;
    outerHeight_ = layout.windowHeight;
    applyOuterSize();
}

void GameWindow::applyOuterSize() {
    const QSize frame = frameExtent(*this);
    appliedFrame_ = frame;
    const QSize client(toWholePixels(outerWidth_) - frame.width(),
                       toWholePixels(outerHeight_) - frame.height());
    setFixedSize(client);
    cables_->setGeometry(rect());
    alignToWidth();
}

void GameWindow::alignToWidth() {
    const WidthAlignedControls aligned = alignToWindowWidth(outerWidthTwips());
    // Each control keeps its defined top and size; only its left follows the width.
    const auto movedTo = [](TwipRect defined, float left) {
        defined.left = left;
        return defined;
    };
    placeWidget(*frmCommandButtons_, movedTo(definition::kCommandFrame, aligned.commandFrameLeft));
    placeWidget(*lblCongratulations_, movedTo(definition::kMessageLabel, aligned.messageLeft));
    lblSmile2_->setTwipRect(movedTo(definition::kFaceRight, aligned.rightFaceLeft));
    lblFrown2_->setTwipRect(movedTo(definition::kFaceRight, aligned.rightFaceLeft));
    placeWidget(*txtEndingTimeTime_, movedTo(definition::kEndingTime, aligned.endingTimeLeft));
    placeWidget(*txtElapsedTime_, movedTo(definition::kElapsedTime, aligned.elapsedTimeLeft));
}

float GameWindow::outerWidthTwips() const {
    return static_cast<float>(toTwips(width() + frameExtent(*this).width()));
}

float GameWindow::outerHeightTwips() const {
    return static_cast<float>(toTwips(height() + frameExtent(*this).height()));
}

void GameWindow::restack() {
    // Bottom to top: labels, cables, everything else, the connectors, the cover-ups.
    cables_->lower();
    lblCongratulations_->lower();
    for (FaceLabel* face : {lblSmile1_, lblSmile2_, lblFrown1_, lblFrown2_})
        face->lower();
    lblCoverUpCableBackground_->lower();
    for (DropArea* area : dropAreas_)
        area->lower();
    for (BoardControl* connector : pcConnectors_)
        connector->raise();
    for (CableConnector* connector : cableConnectors_)
        connector->raise();
    for (BoardControl* coverUp : coverUps_)
        coverUp->raise();
}

void GameWindow::Form_Load() {
    const int n = std::clamp<int>(state_.NumberOfPCs, kMinPcs, kMaxPcs);
    state_.NumberOfPCs = static_cast<std::int16_t>(n);

    state_.GameIsFinished = false;
    resetClockBoxes();

    const BoardLayout layout = layoutBoard(n);
    // The board is extended once per window; a new game in the same window reuses it.
    if (createdPcCount() < n)
        extendBoard(layout);
    placeCables();
    sizeWindow(layout);

    const bool advanced = settings_.advancedLevel();
    for (int j = 0; j < 2 * n; ++j)
        CableCoverUp(j)->setVisible(advanced);
    TwipRect band = definition::kCableBand;
    band.width = layout.cableBandWidth;
    lblCoverUpCableBackground_->setTwipRect(band);

    for (int j = 0; j < 2 * n; ++j) {
        const TwipRect& at = TheCableConnector(j)->twipRect();
        auto& home = state_.CableConnectorHome[static_cast<std::size_t>(j)];
        home[0] = static_cast<std::int32_t>(std::lround(at.top));
        home[1] = static_cast<std::int32_t>(std::lround(at.left));
    }
    for (int c = 0; c < 2 * kMaxPcs; ++c)
        state_.PcConnectorPlug[static_cast<std::size_t>(c)] = {kNone, 0};

    fillColorPalette(state_);
    const int colorCount = std::clamp(settings_.colorCountText().trimmed().toInt(), 4, 10);
    const GeneratedPuzzle puzzle = generatePuzzle(state_, colorCount, random_);
    auto toLines = [](const std::vector<std::string>& lines) {
        QStringList list;
        for (const std::string& line : lines)
            list << QString::fromStdString(line);
        return list;
    };
    settings_.showPairingListing(toLines(puzzle.pairingListing));
    settings_.showCableListing(toLines(puzzle.cableListing));
    paintPuzzle(puzzle.pcConnectorColors, puzzle.cableConnectorColors);

    settings_.lockSettings();
    state_.GameWindowIsOpen = true;
    restack();
    if (!isVisible())
        centreOnScreen(*this);
}

void GameWindow::paintPuzzle(const std::vector<Color>& pcColors,
                             const std::vector<Color>& cableColors) {
    for (std::size_t c = 0; c < pcColors.size() && c < pcConnectors_.size(); ++c)
        pcConnectors_[c]->setBackColor(pcColors[c]);
    for (std::size_t j = 0; j < cableColors.size() && j < cableConnectors_.size(); ++j)
        cableConnectors_[j]->setBackColor(cableColors[j]);
}

void GameWindow::ReDrawCables() {
    const int n = state_.pcCount();
    for (int k = 0; k < n; ++k) {
        const auto lines =
            redrawCable(TheCableConnector(2 * k)->twipRect(),
                        TheCableConnector(2 * k + 1)->twipRect(), cables_->line(3 * k + 2).x1);
        for (int s = 0; s < 3; ++s)
            cables_->setLine(3 * k + s, lines[static_cast<std::size_t>(s)]);
    }

    std::vector<TwipRect> areas;
    std::vector<TwipPoint> topLefts;
    areas.reserve(static_cast<std::size_t>(2 * n));
    topLefts.reserve(static_cast<std::size_t>(2 * n));
    for (int i = 0; i < 2 * n; ++i) {
        areas.push_back(ThePcConnectorArea(i)->twipRect());
        topLefts.push_back(TheCableConnector(i)->twipTopLeft());
    }
    showVerdict(judgeBoard(state_, areas, topLefts));
}

void GameWindow::showVerdict(Verdict verdict) {
    QString message;
    Color cableColor = kBlack;
    switch (verdict) {
    case Verdict::Incomplete:
        message = kInstructionMessage;
        cableColor = kBlack;
        timerCableAnimation_->stop();
        state_.GameIsFinished = false;
        for (FaceLabel* face : {lblSmile1_, lblSmile2_, lblFrown1_, lblFrown2_})
            face->hide();
        break;
    case Verdict::Wrong:
        message = kWrongMessage;
        cableColor = kRed;
        timerCableAnimation_->stop();
        state_.GameIsFinished = false;
        lblSmile1_->hide();
        lblSmile2_->hide();
        lblFrown1_->show();
        lblFrown2_->show();
        break;
    case Verdict::Correct:
        message = kCorrectMessage;
        cableColor = kWhite;
        state_.AnimatedCableIndex = 0;
        timerCableAnimation_->start();
        state_.GameIsFinished = true;
        lblSmile1_->show();
        lblSmile2_->show();
        lblFrown1_->hide();
        lblFrown2_->hide();
        state_.GameClockTime = nowInWholeSeconds();
        txtEndingTimeTime_->setText(QString::fromStdString(timeOfDayText(state_.GameClockTime)));
        break;
    }
    lblCongratulations_->setCaption(message);
    paintAllCables(cableColor);
}

void GameWindow::paintCable(int cable, Color color) {
    for (int s = 0; s < 3; ++s)
        cables_->setColor(3 * cable + s, color);
}

void GameWindow::paintAllCables(Color color) {
    for (int i = 0; i < 3 * state_.pcCount(); ++i)
        cables_->setColor(i, color);
}

void GameWindow::GetColorText(const Color& theColor, std::string& colorText) const {
    kestrelink::GetColorText(theColor, colorText);
}

CableConnector* GameWindow::TheCableConnector(int j) const {
    return cableConnectors_.at(static_cast<std::size_t>(j));
}

BoardControl* GameWindow::CableCoverUp(int j) const {
    return coverUps_.at(static_cast<std::size_t>(j));
}

BoardControl* GameWindow::ThePcConnector(int c) const {
    return pcConnectors_.at(static_cast<std::size_t>(c));
}

DropArea* GameWindow::ThePcConnectorArea(int c) const {
    return dropAreas_.at(static_cast<std::size_t>(c));
}

PcPicture* GameWindow::txtThePC(int p) const {
    return pcs_.at(static_cast<std::size_t>(p));
}

QMimeData* GameWindow::dragDataOf(int j) const {
    return encodeCableConnectorDrag(token_, j);
}

bool GameWindow::isOwnConnector(int j) const {
    return j >= 0 && j < connectorCount() && j < createdConnectorCount();
}

// ---- Playing: dragging, unplugging, marking, cover-ups ----

void GameWindow::ThePcConnectorArea_DragOver(int index, int sourceIndex, int state) {
    if (!isOwnConnector(index) || !isOwnConnector(sourceIndex))
        return;
    DropArea* area = ThePcConnectorArea(index);
    if (state == DropArea::Leave) {
        area->setBackColor(kButtonFace);
        return;
    }
    if (state_.PcConnectorPlug[static_cast<std::size_t>(index)][0] != kNone)
        return;
    if (ThePcConnector(index)->backColor() == TheCableConnector(sourceIndex)->backColor())
        area->setBackColor(kRed);
}

void GameWindow::ThePcConnectorArea_DragDrop(int index, int sourceIndex) {
    if (!isOwnConnector(index) || !isOwnConnector(sourceIndex))
        return;
    if (state_.PcConnectorPlug[static_cast<std::size_t>(index)][0] != kNone)
        return;
    DropArea* area = ThePcConnectorArea(index);
    area->setBackColor(kButtonFace);
    BoardControl* pcConnector = ThePcConnector(index);
    CableConnector* source = TheCableConnector(sourceIndex);
    if (pcConnector->backColor() == source->backColor()) {
        const bool rightColumn = area->twipRect().left > ThePcConnectorArea(0)->twipRect().left;
        const TwipPoint snapped =
            snapPosition(pcConnector->twipRect(), source->twipRect(), rightColumn);
        source->setTwipTop(snapped.y);
        source->setTwipLeft(snapped.x);
    }
    ReDrawCables();
}

void GameWindow::Form_DragDrop(int sourceIndex) {
    if (!isOwnConnector(sourceIndex))
        return;
    sendHome(sourceIndex);
    ReDrawCables();
}

void GameWindow::TheCableConnector_Click(int index) {
    if (!isOwnConnector(index))
        return;
    sendHome(index);
    ReDrawCables();
}

void GameWindow::sendHome(int j) {
    const auto& home = state_.CableConnectorHome[static_cast<std::size_t>(j)];
    CableConnector* connector = TheCableConnector(j);
    connector->setTwipTop(static_cast<float>(home[0]));
    connector->setTwipLeft(static_cast<float>(home[1]));
}

void GameWindow::Form_MouseDown(float yTwips) {
    if (!state_.AllPcConnectorsPlugged || state_.PcRingIsCorrect)
        return;
    for (int k = 0; k < state_.pcCount(); ++k) {
        const bool hit = std::fabs(yTwips - cables_->line(3 * k).y1) < kMarkingReach ||
                         std::fabs(yTwips - cables_->line(3 * k + 1).y1) < kMarkingReach;
        if (!hit)
            continue;
        paintCable(k, cables_->color(3 * k) == kRed ? kBlack : kRed);
        return;
    }
}

void GameWindow::lblCoverUpCableBackground_MouseMove() {
    if (state_.CoverUpsLifted || !settings_.advancedLevel())
        return;
    state_.CoverUpsLifted = true;
    for (int j = 0; j < connectorCount(); ++j)
        CableCoverUp(j)->setVisible(false);
}

void GameWindow::Form_MouseMove() {
    if (!state_.CoverUpsLifted || !settings_.advancedLevel())
        return;
    state_.CoverUpsLifted = false;
    for (int j = 0; j < connectorCount(); ++j)
        CableCoverUp(j)->setVisible(true);
}

// ---- Commands ----

void GameWindow::Form_KeyPress() {
    offerReport(this, QString::fromStdString(defaultReportFilePath(state_.AppPath)), [this] {
        SettingsReportInput input = reportInputFrom(state_);
        input.dateTimeText = reportDateTimeText(Clock::now());
        input.colorCountText = settings_.colorCountText().toStdString();
        input.pcCountText = settings_.pcCountText().toStdString();
        for (int c = 0; c < connectorCount(); ++c) {
            input.pcConnectorColors.push_back(ThePcConnector(c)->backColor());
            input.cableConnectorColors.push_back(TheCableConnector(c)->backColor());
        }
        return settingsReportText(input);
    });
}

void GameWindow::resetClockBoxes() {
    state_.GameStartTime = nowInWholeSeconds();
    state_.GameClockTime = nowInWholeSeconds();
    txtCurrentTime_->setText(QString::fromStdString(timeOfDayText(state_.GameStartTime)));
    txtStartingTime_->setText(QString::fromStdString(timeOfDayText(state_.GameClockTime)));
    txtEndingTimeTime_->setText(QStringLiteral("Running"));
    txtElapsedTime_->setText(QStringLiteral("00:00:00"));
}

void GameWindow::hideConnectorsAndRepaint() {
    for (int j = 0; j < connectorCount(); ++j)
        TheCableConnector(j)->hide();
    repaint();
    // Waiting timer ticks run here, as the player expects the clock to go on; clicks and keys
    // wait, so no other command can start inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GameWindow::cmdRestartCurrentGame_Click() {
    resetClockBoxes();
    hideConnectorsAndRepaint();
    for (int j = 0; j < connectorCount(); ++j)
        sendHome(j);
    for (int c = 0; c < 2 * kMaxPcs; ++c)
        state_.PcConnectorPlug[static_cast<std::size_t>(c)] = {kNone, 0};
    for (int j = 0; j < connectorCount(); ++j)
        TheCableConnector(j)->show();
    ReDrawCables();
}

void GameWindow::cmdShowSolution_Click() {
    hideConnectorsAndRepaint();
    cmdRestartCurrentGame_Click();
    const float leftColumn = ThePcConnector(0)->twipRect().left;
    for (int c = 0; c < connectorCount(); ++c) {
        const int j = state_.SolutionPlan[static_cast<std::size_t>(c)][1];
        if (!isOwnConnector(j))
            continue;
        const TwipRect& pc = ThePcConnector(c)->twipRect();
        CableConnector* connector = TheCableConnector(j);
        const TwipPoint snapped = snapPosition(pc, connector->twipRect(), pc.left > leftColumn);
        connector->setTwipTop(snapped.y);
        connector->setTwipLeft(snapped.x);
    }
    ReDrawCables();
}

void GameWindow::cmdHelp_Click() {
    if (helpOpener_ != nullptr)
        helpOpener_->open();
}

void GameWindow::cmdNewGame_Click() {
    cmdRestartCurrentGame_Click();
    Form_Load();
}

// ---- Timers ----

void GameWindow::timerGameClock_Timer() {
    state_.GameClockTime = nowInWholeSeconds();
    txtCurrentTime_->setText(QString::fromStdString(timeOfDayText(state_.GameClockTime)));
    if (!state_.GameIsFinished)
        txtElapsedTime_->setText(
            QString::fromStdString(elapsedText(state_.GameClockTime - state_.GameStartTime)));
}

void GameWindow::timerCableAnimation_Timer() {
    const int n = state_.pcCount();
    int index = std::clamp<int>(state_.AnimatedCableIndex, 0, n - 1);
    paintCable(index, kBlack);
    index = index + 1 > n - 1 ? 0 : index + 1;
    state_.AnimatedCableIndex = static_cast<std::int16_t>(index);
    paintCable(index, kWhite);
}

// ---- Window events ----

void GameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    timerGameClock_->stop();
    timerCableAnimation_->stop();
    if (state_.GameWindowIsOpen) {
        state_.GameWindowIsOpen = false;
        settings_.unlockSettings();
    }
    emit unloaded();
}

void GameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window manager adds its frame after the window is mapped; the outer size is what
    // the layout fixes, so the client area gives way to the frame once it is known.
    QTimer::singleShot(0, this, [this] {
        if (outerWidth_ > 0 && frameExtent(*this) != appliedFrame_) {
            applyOuterSize();
            centreOnScreen(*this);
        }
    });
}

bool GameWindow::event(QEvent* event) {
    if (event->type() == QEvent::Move && outerWidth_ > 0 && isVisible() &&
        frameExtent(*this) != appliedFrame_)
        applyOuterSize();
    return QWidget::event(event);
}

bool GameWindow::isCharacterKeyForThisWindow(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    return !key->text().isEmpty();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isCharacterKeyForThisWindow(watched, event)) {
        // The key is taken here: passed on, Enter or Space would also press the focused
        // button once the player has answered the file dialog.
        Form_KeyPress();
        return true;
    }
    if (watched == lblCoverUpCableBackground_ && event->type() == QEvent::MouseMove) {
        lblCoverUpCableBackground_MouseMove();
        return true;
    }
    if (event->type() == QEvent::FocusIn &&
        (watched == txtCurrentTime_ || watched == txtStartingTime_ ||
         watched == txtEndingTimeTime_ || watched == txtElapsedTime_)) {
        QTimer::singleShot(0, cmdHelp_,
                           [help = cmdHelp_] { help->setFocus(Qt::OtherFocusReason); });
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Form_MouseDown(static_cast<float>(toTwips(event->position().y())));
}

void GameWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Form_MouseMove();
}

std::optional<int> GameWindow::surfaceDropSource(const QDropEvent* event) const {
    const auto source = decodeCableConnectorDrag(event->mimeData(), token_);
    if (!source || !isOwnConnector(*source))
        return std::nullopt;
    // Over another control (a button, a label, a time box, a cable connector) a drop does
    // nothing; only the bare surface, the cables and the disabled controls lying on it send
    // the connector home.
    if (childAt(event->position().toPoint()) != nullptr)
        return std::nullopt;
    return source;
}

void GameWindow::dragEnterEvent(QDragEnterEvent* event) {
    // Any drag of this window's own connectors is taken in, so that the moves keep coming to
    // the window; each move then says whether a drop is possible where the pointer is.
    if (!decodeCableConnectorDrag(event->mimeData(), token_)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void GameWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (surfaceDropSource(event)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void GameWindow::dropEvent(QDropEvent* event) {
    const auto source = surfaceDropSource(event);
    if (!source) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    Form_DragDrop(*source);
}

} // namespace kestrelink::ui
