// The playing window: it shows the board the core keeps and turns the player's mouse, keys and
// the timers into the board's operations.
#include "ui/game/GameWindow.h"

#include "game/ClockText.h"
#include "game/Palette.h"
#include "report/SettingsReport.h"
#include "ui/common/Accessibility.h"
#include "ui/common/CaptionLabel.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/FixedOuterSize.h"
#include "ui/common/Fonts.h"
#include "ui/common/StartupSettings.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFrame.h"
#include "ui/game/ArrowNeighbour.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableConnectorDrag.h"
#include "ui/game/CableLayer.h"
#include "ui/game/PictogramControl.h"
#include "ui/game/ReportDialog.h"
#include "ui/help/HelpWindowOpener.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <atomic>

namespace kestrelink::ui {

namespace {

quint64 nextWindowToken() {
    static std::atomic<quint64> counter{0};
    return ++counter;
}

QStringList toLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

QString timeText(Clock::time_point moment) {
    return QString::fromStdString(timeOfDayText(moment));
}

QString translated(const char* text) {
    return QCoreApplication::translate("GameWindow", text);
}

QString choiceText(const ConnectorChoice& choice) {
    switch (choice.kind) {
    case ConnectorChoice::Kind::Plug:
        return QCoreApplication::translate("GameWindow", "Plug into PC %1, connector %2")
            .arg(pcOfConnector(choice.pcConnector) + 1)
            .arg(choice.pcConnector % 2 + 1);
    case ConnectorChoice::Kind::Unplug:
        return QCoreApplication::translate("GameWindow", "Unplug");
    case ConnectorChoice::Kind::Mark:
        return QCoreApplication::translate("GameWindow", "Mark this cable");
    }
    return {};
}

} // namespace

GameWindow::GameWindow(GameState& state, StartupSettings& settings, RandomSource& random,
                       TimeSource& time, QWidget* parent)
    : QWidget(parent), state_(state), settings_(settings), time_(time), board_(state, time, random),
      token_(nextWindowToken()) {
    accessibility::markAsWindow(*this);
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(
        QCoreApplication::translate("GameWindow", "Kestrelink® Connection Game - Playing Window"));
    applyFixedSingleBorder(*this, toPixelSize(definition::kClientWidth, definition::kClientHeight));
    applyDesignPalette(*this);
    setFont(dialogFont());
    setMouseTracking(true);
    setAcceptDrops(true);

    controls_ = buildGameWindowDefinition(*this);
    outerSize_ = new FixedOuterSize(*this, [this] {
        controls_.cables->setGeometry(rect());
        alignToWidth(controls_, outerSize_->outerWidthTwips());
    });
    boardView_ = new BoardView(*this, *controls_.cables, token_);
    // The board as defined holds four PCs.
    boardView_->extend(layoutBoard(kMinPcs));
    // The notice lies over the message it repeats, and moves with it.
    verdictNotice_ = new QWidget(controls_.lblCongratulations);
    verdictNotice_->setObjectName(QStringLiteral("verdictNotice"));
    accessibility::markAsNotice(*verdictNotice_);
    // Named like the message until a verdict renames it.
    accessibility::setName(*verdictNotice_,
                           accessibility::withoutPadding(controls_.lblCongratulations->caption()));
    connectHandlers();
    addCommandShortcuts();
    orderTabStops();
    restack();
}

GameWindow::~GameWindow() = default;

void GameWindow::connectHandlers() {
    connect(boardView_, &BoardView::cableConnectorClicked, this,
            &GameWindow::TheCableConnector_Click);
    connect(boardView_, &BoardView::dragOverArea, this, &GameWindow::ThePcConnectorArea_DragOver);
    connect(boardView_, &BoardView::droppedOnArea, this, &GameWindow::ThePcConnectorArea_DragDrop);
    connect(controls_.cmdQuit, &QPushButton::clicked, this, &QWidget::close);
    connect(controls_.cmdRestartCurrentGame, &QPushButton::clicked, this,
            &GameWindow::cmdRestartCurrentGame_Click);
    connect(controls_.cmdShowSolution, &QPushButton::clicked, this,
            &GameWindow::cmdShowSolution_Click);
    connect(controls_.cmdNewGame, &QPushButton::clicked, this, &GameWindow::cmdNewGame_Click);
    connect(controls_.cmdHelp, &QPushButton::clicked, this, &GameWindow::cmdHelp_Click);
    connect(controls_.timerGameClock, &QTimer::timeout, this, &GameWindow::timerGameClock_Timer);
    connect(controls_.timerCableAnimation, &QTimer::timeout, this,
            &GameWindow::timerCableAnimation_Timer);
    // The window sees every key before its controls do, whichever has the focus; the same
    // filter watches the band's mouse moves and the time boxes' focus (see eventFilter).
    QCoreApplication::instance()->installEventFilter(this);
}

void GameWindow::addCommandShortcuts() {
    // Alt and a letter: the captions stay as they are, and no character is typed, so the report
    // is not offered. Each catalogue picks letters that follow its own captions.
    const std::pair<QPushButton*, const char*> commands[] = {
        {controls_.cmdNewGame, QT_TRANSLATE_NOOP("GameWindow", "Alt+N")},
        {controls_.cmdRestartCurrentGame, QT_TRANSLATE_NOOP("GameWindow", "Alt+R")},
        {controls_.cmdShowSolution, QT_TRANSLATE_NOOP("GameWindow", "Alt+S")},
        {controls_.cmdHelp, QT_TRANSLATE_NOOP("GameWindow", "Alt+H")},
        {controls_.cmdQuit, QT_TRANSLATE_NOOP("GameWindow", "Alt+Q")},
    };
    for (const auto& [button, key] : commands) {
        auto* command = new QAction(button->text(), this);
        command->setObjectName(button->objectName() + QStringLiteral("Shortcut"));
        command->setShortcut(QKeySequence(translated(key)));
        command->setShortcutContext(Qt::WindowShortcut);
        connect(command, &QAction::triggered, button, &QPushButton::click);
        addAction(command);
        commands_ << command;
    }
}

void GameWindow::orderTabStops() {
    QList<QWidget*> stops{controls_.cmdNewGame,      controls_.cmdRestartCurrentGame,
                          controls_.cmdShowSolution, controls_.cmdHelp,
                          controls_.cmdQuit,         controls_.txtCurrentTime,
                          controls_.txtStartingTime, controls_.txtEndingTimeTime,
                          controls_.txtElapsedTime};
    stops << boardView_->tabStops(boardView_->createdPcCount());
    for (qsizetype i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

void GameWindow::restack() {
    // Bottom to top: labels, cables, everything else, the connectors, the cover-ups.
    controls_.cables->lower();
    controls_.lblCongratulations->lower();
    for (FaceLabel* face :
         {controls_.lblSmile1, controls_.lblSmile2, controls_.lblFrown1, controls_.lblFrown2})
        face->lower();
    controls_.lblCoverUpCableBackground->lower();
    boardView_->restack();
}

GameSettings GameWindow::startupSettings() const {
    // The settings are taken, and brought into range, once for the whole game.
    return checkedSettings(state_.NumberOfPCs, settings_.colorCountText().trimmed().toInt(),
                           settings_.advancedLevel());
}

void GameWindow::Form_Load() {
    showDeal(board_.start(startupSettings()));
}

void GameWindow::showDeal(const GeneratedPuzzle& puzzle) {
    const BoardLayout& layout = board_.layout();
    // The board is extended once per window; a new game in the same window reuses it.
    if (boardView_->createdPcCount() < layout.pcCount) {
        boardView_->extend(layout);
        orderTabStops();
    }
    outerSize_->setOuterSize(layout.windowWidth, layout.windowHeight);
    TwipRect band = definition::kCableBand;
    band.width = layout.cableBandWidth;
    controls_.lblCoverUpCableBackground->setTwipRect(band);

    settings_.showPairingListing(toLines(puzzle.pairingListing));
    settings_.showCableListing(toLines(puzzle.cableListing));
    showConnectorsAgain();
    showVerdict();

    settings_.lockSettings();
    state_.GameWindowIsOpen = true;
    restack();
    if (!isVisible())
        centreOnScreen(*this);
}

void GameWindow::render() {
    boardView_->render(state_);
    renderClock();
}

void GameWindow::renderClock() {
    const GameClockState& clock = state_.clock;
    const QString ending = clock.endingTime ? timeText(*clock.endingTime)
                                            : QCoreApplication::translate("GameWindow", "Running");
    const QString elapsed = QString::fromStdString(elapsedText(clock.elapsedTime));
    // Every text set is news to a screen reader, changed or not, and a move redraws the clock.
    const auto show = [](QLineEdit& box, const QString& text) {
        if (box.text() != text)
            box.setText(text);
    };
    show(*controls_.txtCurrentTime, timeText(clock.currentTime));
    show(*controls_.txtStartingTime, timeText(clock.startingTime));
    show(*controls_.txtEndingTimeTime, ending);
    show(*controls_.txtElapsedTime, elapsed);
    // A screen reader reads a box by its name, so the names carry the times that change with
    // the game. The current time, and the elapsed time while a game runs, change every second:
    // in a name they would be news every second, so they are read from the box's text instead.
    accessibility::setName(*controls_.txtStartingTime,
                           QCoreApplication::translate("GameWindow", "Starting time %1")
                               .arg(timeText(clock.startingTime)));
    accessibility::setName(*controls_.txtEndingTimeTime,
                           QCoreApplication::translate("GameWindow", "Ending time %1").arg(ending));
    accessibility::setName(
        *controls_.txtElapsedTime,
        clock.GameIsFinished
            ? QCoreApplication::translate("GameWindow", "Elapsed time %1").arg(elapsed)
            : QCoreApplication::translate("GameWindow", "Elapsed time"));
}

void GameWindow::ReDrawCables() {
    board_.redraw();
    showVerdict();
}

void GameWindow::showVerdict(bool freshBoard) {
    const Verdict verdict = state_.look.verdict;
    const bool correct = verdict == Verdict::Correct;
    const bool wrong = verdict == Verdict::Wrong;
    if (correct)
        controls_.timerCableAnimation->start();
    else
        controls_.timerCableAnimation->stop();
    controls_.lblSmile1->setVisible(correct);
    controls_.lblSmile2->setVisible(correct);
    controls_.lblFrown1->setVisible(wrong);
    controls_.lblFrown2->setVisible(wrong);
    const QString message = correct ? correctWiringMessage()
                            : wrong ? wrongWiringMessage()
                                    : instructionMessage();
    const bool arrives = freshBoard || message != controls_.lblCongratulations->caption();
    controls_.lblCongratulations->setCaption(message);
    render();
    // A verdict is news to a player who cannot see the faces, told once when it arrives. It is
    // told when the handler is done, after anything the handler tells of the focus, which a
    // screen reader would otherwise speak over it.
    if (!correct && !wrong) {
        accessibility::withdraw(*verdictNotice_);
    } else if (arrives) {
        QTimer::singleShot(0, verdictNotice_, [this, message] {
            if (controls_.lblCongratulations->caption() == message)
                accessibility::announce(*verdictNotice_, accessibility::withoutPadding(message));
        });
    }
}

void GameWindow::GetColorText(const Color& theColor, std::string& colorText) const {
    kestrelink::GetColorText(theColor, colorText);
}

QMimeData* GameWindow::dragDataOf(int j) const {
    return encodeCableConnectorDrag(token_, j);
}

// ---- Playing: dragging, unplugging, marking, cover-ups, the timers ----

void GameWindow::play(const Move& move) {
    switch (board_.apply(move)) {
    case Changed::Nothing:
        break;
    case Changed::Connectors:
        boardView_->renderConnectors(state_);
        break;
    case Changed::Cables:
        boardView_->renderCables(state_);
        break;
    case Changed::Time:
        renderClock();
        break;
    case Changed::Board:
        showVerdict();
        break;
    }
}

void GameWindow::ThePcConnectorArea_DragOver(int index, int sourceIndex, int state) {
    play(Move::dragOver(index, sourceIndex, static_cast<DragOverState>(state)));
}

void GameWindow::ThePcConnectorArea_DragDrop(int index, int sourceIndex) {
    play(Move::dropOnArea(index, sourceIndex));
}

void GameWindow::Form_DragDrop(int sourceIndex) {
    play(Move::dropOnSurface(sourceIndex));
}

void GameWindow::TheCableConnector_Click(int index) {
    play(Move::unplug(index));
}

void GameWindow::Form_MouseDown(float yTwips) {
    play(Move::mark(yTwips));
}

void GameWindow::lblCoverUpCableBackground_MouseMove() {
    play(Move::pointerOverBand());
}

void GameWindow::Form_MouseMove() {
    play(Move::pointerOverSurface());
}

void GameWindow::timerGameClock_Timer() {
    play(Move::clockTick());
}

void GameWindow::timerCableAnimation_Timer() {
    play(Move::animationTick());
}

// ---- Commands ----

void GameWindow::Form_KeyPress() {
    offerReport(this, QString::fromStdString(defaultReportFilePath(state_.AppPath)), [this] {
        SettingsReportInput input = reportInputFrom(state_);
        input.dateTimeText = reportDateTimeText(time_.now());
        input.colorCountText = settings_.colorCountText().toStdString();
        input.pcCountText = settings_.pcCountText().toStdString();
        return settingsReportText(input);
    });
}

void GameWindow::hideConnectorsAndRepaint() {
    renderClock();
    // A hidden connector would pass the focus on from control to control, each heard by a
    // screen reader; it is put back when the connectors return.
    if (boardView_->focusedCableConnector()) {
        focusBeforeHiding_ = QApplication::focusWidget();
        focusBeforeHiding_->clearFocus();
    }
    boardView_->setCableConnectorsVisible(false);
    repaint();
    // Waiting timer ticks run here, as the player expects the clock to go on; clicks and keys
    // wait, so no other command can start inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GameWindow::showConnectorsAgain() {
    boardView_->setCableConnectorsVisible(true);
    if (focusBeforeHiding_ != nullptr && isActiveWindow())
        focusBeforeHiding_->setFocus(Qt::OtherFocusReason);
    focusBeforeHiding_ = nullptr;
}

void GameWindow::cmdRestartCurrentGame_Click() {
    board_.restart([this] { hideConnectorsAndRepaint(); });
    showConnectorsAgain();
    showVerdict();
}

void GameWindow::cmdShowSolution_Click() {
    board_.showSolution([this] { hideConnectorsAndRepaint(); });
    showConnectorsAgain();
    // Said again even when the board was solved before: the player asked for it.
    showVerdict(true);
}

void GameWindow::cmdHelp_Click() {
    if (helpOpener_ != nullptr)
        helpOpener_->open();
}

void GameWindow::cmdNewGame_Click() {
    showDeal(board_.newGame(startupSettings(), [this] { hideConnectorsAndRepaint(); }));
}

// ---- Window events ----

void GameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    controls_.timerGameClock->stop();
    controls_.timerCableAnimation->stop();
    if (state_.GameWindowIsOpen) {
        state_.GameWindowIsOpen = false;
        settings_.unlockSettings();
    }
    emit unloaded();
}

bool GameWindow::isCharacterKeyForThisWindow(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // The window may sit inside a caption frame of its own, which is then the top level.
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget != this && !isAncestorOf(widget))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    return !key->text().isEmpty();
}

bool GameWindow::isMenuKeyForThisWindow(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

QWidget* GameWindow::arrowStep(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::KeyPress)
        return nullptr;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !isArrowKey(key->key()))
        return nullptr;
    return boardView_->connectorBeside(watched, key->key());
}

void GameWindow::showKeyboardMenu() {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("keyboardMenu"));
    std::vector<ConnectorChoice> choices;
    const std::optional<int> j = boardView_->focusedCableConnector();
    if (j && board_.isConnector(*j))
        choices = connectorChoices(state_, *j);
    for (std::size_t i = 0; i < choices.size(); ++i)
        menu.addAction(choiceText(choices[i]))->setData(static_cast<int>(i));
    if (!choices.empty())
        menu.addSeparator();
    // The commands are listed with their shortcuts, and negative numbers tell them apart.
    for (qsizetype k = 0; k < commands_.size(); ++k) {
        QAction* item = menu.addAction(commands_[k]->text());
        item->setShortcut(commands_[k]->shortcut());
        item->setShortcutContext(Qt::WidgetShortcut);
        item->setData(static_cast<int>(-1 - k));
    }

    QPointer<QWidget> focus = QApplication::focusWidget();
    const QPoint at = focus != nullptr ? focus->mapToGlobal(QPoint(0, focus->height()))
                                       : mapToGlobal(QPoint(0, 0));
    // Opened from the keyboard, the menu starts on its first item, as the desktop's menus do;
    // a screen reader says nothing of a menu until an item has the focus.
    QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().value(0)); });
    const QAction* chosen = menu.exec(at);
    const int picked = chosen != nullptr ? chosen->data().toInt() : 0;
    if (chosen != nullptr && picked >= 0)
        runChoice(choices.at(static_cast<std::size_t>(picked)), *j);
    // The focus never left its control, but a screen reader followed the menu's items and
    // hears no name change of the control: it is told where the focus is, as the choice left
    // it.
    if (focus != nullptr && focus->hasFocus()) {
        QAccessibleEvent back(focus.data(), QAccessible::Focus);
        QAccessible::updateAccessibility(&back);
    }
    if (chosen != nullptr && picked < 0)
        commands_.at(-1 - picked)->trigger();
}

void GameWindow::runChoice(const ConnectorChoice& choice, int j) {
    switch (choice.kind) {
    case ConnectorChoice::Kind::Plug:
        ThePcConnectorArea_DragDrop(choice.pcConnector, j);
        break;
    case ConnectorChoice::Kind::Unplug:
        TheCableConnector_Click(j);
        break;
    case ConnectorChoice::Kind::Mark:
        // A press level with the cable's first end, as the mouse would mark it.
        Form_MouseDown(state_.board.cableSegments.at(3 * std::size_t(cableOfConnector(j))).y1);
        break;
    }
}

bool GameWindow::isTimeBox(QObject* watched) const {
    return watched == controls_.txtCurrentTime || watched == controls_.txtStartingTime ||
           watched == controls_.txtEndingTimeTime || watched == controls_.txtElapsedTime;
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isMenuKeyForThisWindow(watched, event)) {
        showKeyboardMenu();
        return true;
    }
    if (QWidget* next = arrowStep(watched, event)) {
        next->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (isCharacterKeyForThisWindow(watched, event)) {
        // The key is taken here: passed on, Enter or Space would also press the focused
        // button once the player has answered the file dialog.
        Form_KeyPress();
        return true;
    }
    if (watched == controls_.lblCoverUpCableBackground && event->type() == QEvent::MouseMove) {
        lblCoverUpCableBackground_MouseMove();
        return true;
    }
    // A click into a time box passes the focus on to Help; Tab and Shift+Tab stop there, so the
    // keyboard gets past them and a screen reader reads them.
    if (event->type() == QEvent::FocusIn && isTimeBox(watched) &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::TabFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::BacktabFocusReason) {
        QTimer::singleShot(0, controls_.cmdHelp,
                           [help = controls_.cmdHelp] { help->setFocus(Qt::OtherFocusReason); });
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
    if (!source || !board_.isConnector(*source) || *source >= boardView_->createdConnectorCount())
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
