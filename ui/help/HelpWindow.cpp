// The help window laid out in twips, the rule that keeps the focus off its text boxes, and its
// placement beside the start-up window.
#include "ui/help/HelpWindow.h"

#include "game/Color.h"
#include "ui/common/Accessibility.h"
#include "ui/common/ComputerPicture.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"
#include "ui/common/ReturnPressesButtons.h"
#include "ui/common/StartupSettings.h"
#include "ui/common/Twips.h"
#include "ui/common/WebsiteButton.h"
#include "ui/common/WindowFrame.h"
#include "ui/help/ArrowBox.h"
#include "ui/help/DisplayTextBox.h"
#include "ui/help/HelpText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace kestrelink::ui {

namespace {

// How far the help window sits below and right of the start-up window's corner.
constexpr double kOffsetFromStartup = 500;

void setBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// A text box and its scroll bars share one name.
void nameTextBox(DisplayTextBox* box, const QString& name) {
    box->setAccessibleName(name);
    box->verticalScrollBar()->setAccessibleName(name);
    box->horizontalScrollBar()->setAccessibleName(name);
}

} // namespace

HelpWindow::HelpWindow(const StartupSettings& startup, QWidget* parent) : QWidget(parent) {
    accessibility::markAsWindow(*this);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Kestrelink® Connection Game Help -- How To Play"));
    applyFixedSingleBorder(*this, toPixelSize(7020, 5580));
    applyDesignPalette(*this);
    setBackground(this, QPalette::Window, toQColor(kButtonFace));
    setAutoFillBackground(true);

    buildControls();
    nameTextBox(Text2, QCoreApplication::translate("HelpWindow", "Help text"));
    nameTextBox(Text3, QCoreApplication::translate("HelpWindow", "Credits"));
    accessibility::markAsPicture(
        *frmForm3PC, QCoreApplication::translate("HelpWindow", "Two PCs joined by arrows"));
    setTabOrderAndFocus();
    letReturnPressButtons(*this);
    for (QPushButton* button : {static_cast<QPushButton*>(cmdVisitOrvane), cmdClose})
        button->installEventFilter(this);
    Form_Load(startup);
}

void HelpWindow::buildControls() {
    Label2 = new QLabel(tr("How To Play The Kestrelink® Game"), this);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setFont(dialogFont(13.5, true));
    placeControl(Label2, "Label2", 60, 180, 6855, 495);

    Text2 = new DisplayTextBox(this);
    Text2->setFont(dialogFont(8.25, true));
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setText(joinWithCrLf(helpLines()));
    Text2->setFocusPolicy(Qt::StrongFocus);
    placeControl(Text2, "Text2", 120, 720, 6795, 2895);

    cmdVisitOrvane = new WebsiteButton(
        tr("Visit our Website for the best in PC to PC Connection and Networking Products  %1"),
        this);
    placeControl(cmdVisitOrvane, "cmdVisitOrvane", 120, 3780, 4395, 975);

    buildPicture();

    Text3 = new DisplayTextBox(this);
    Text3->setFont(dialogFont());
    Text3->setFrameStyle(QFrame::NoFrame);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackground(Text3, QPalette::Base, toQColor(kMenuBar));
    Text3->setText(joinWithCrLf(creditLines()));
    Text3->setFocusPolicy(Qt::ClickFocus);
    placeControl(Text3, "Text3", 120, 4920, 5595, 675);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setFont(dialogFont(9.75, true));
    cmdClose->setToolTip(tr("Close Help Window"));
    placeControl(cmdClose, "cmdClose", 5880, 4920, 1035, 615);

    connect(cmdClose, &QPushButton::clicked, this, &HelpWindow::cmdClose_Click);
    for (QWidget* box : std::array<QWidget*, 3>{Text1, Text2, Text3})
        box->installEventFilter(this);
}

// Two PCs joined by an arrow; nothing in it reacts except the arrow box taking a click.
void HelpWindow::buildPicture() {
    frmForm3PC = new QFrame(this);
    frmForm3PC->setFrameStyle(QFrame::Box | QFrame::Sunken);
    placeControl(frmForm3PC, "frmForm3PC0", 4620, 3720, 2295, 975);

    form3PC[0] = new ComputerPicture(frmForm3PC);
    placeControl(form3PC[0], "form3PC0", 120, 240, 660, 615);
    form3PC[1] = new ComputerPicture(frmForm3PC);
    placeControl(form3PC[1], "form3PC1", 1500, 240, 660, 615);

    // The arrows stand for 12 pt symbols; one point is 20 twips.
    Text1 = new ArrowBox(toQColor(kRed), toQColor(0x00C0C0C0), toPixels(12 * 20.0), frmForm3PC);
    Text1->setFocusPolicy(Qt::ClickFocus);
    placeControl(Text1, "Text1", 840, 420, 615, 255);
}

void HelpWindow::setTabOrderAndFocus() {
    // Text1 and Text3 take no tab stop, so Tab runs Text2, cmdVisitOrvane, cmdClose.
    const std::array<QWidget*, 5> order{Text1, Text2, cmdVisitOrvane, Text3, cmdClose};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    Text2->setFocus();
}

// The text boxes only display: whichever receives the focus hands it straight on to the website
// button, so the player can never type into them. The keys that read the help text reach it
// from wherever the focus is.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn &&
        (watched == Text1 || watched == Text2 || watched == Text3)) {
        cmdVisitOrvane->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (event->type() == QEvent::KeyPress && readingKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (!readingKey(event))
        QWidget::keyPressEvent(event);
}

// Page Up and Down turn the help text's pages and the arrow keys its lines (Left and Right
// have nothing to scroll sideways and leave the focus where it is); Escape closes the window.
bool HelpWindow::readingKey(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QScrollBar* bar = Text2->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

QPoint HelpWindow::placeBeside(const QPoint& startupTopLeft) {
    const int offset = toWholePixels(kOffsetFromStartup);
    return startupTopLeft + QPoint(offset, offset);
}

// Once the start-up window has been closed its last position is still known; but should that
// lie off every screen now, the window is centred rather than lost.
void HelpWindow::Form_Load(const StartupSettings& startup) {
    const QPoint topLeft = placeBeside(startup.outerTopLeft());
    moveOuterTo(*this, topLeft);
    if (QGuiApplication::screenAt(topLeft) == nullptr)
        centreOnScreen(*this);
}

void HelpWindow::cmdClose_Click() {
    close();
}

} // namespace kestrelink::ui
