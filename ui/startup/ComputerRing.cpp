// Builds the ring picture from its table of frames and squares; nothing in it takes input.
#include "ui/startup/ComputerRing.h"

#include "game/Color.h"
#include "ui/common/Accessibility.h"
#include "ui/common/ComputerPicture.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QFrame>
#include <QPen>

namespace kestrelink::ui {

namespace {

struct Square {
    int index;
    int left;
    int top;
    Color color;
};

struct ComputerFrame {
    TwipRect frame;
    TwipPoint picture;
    std::array<Square, 2> pcConnectors;
    // Cable connectors plugged in beside them; the first PC has only one inside its frame.
    std::array<Square, 2> cableConnectors;
    int cableConnectorCount;
};

constexpr int kSquareSide = 195;
constexpr TwipPoint kPictureSize{660, 615};

const std::array<ComputerFrame, 4> kFrames{{
    {{120, 4560, 1275, 795},
     {60, 120},
     {{{0, 780, 180, 0x00C0C0C0}, {1, 780, 480, 0x00FFFF00}}},
     {{{1, 960, 480, 0x00FFFF00}, {}}},
     1},
    {{180, 5520, 1215, 795},
     {0, 120},
     {{{2, 720, 180, 0x00FF0000}, {3, 720, 480, 0x00FF00FF}}},
     {{{2, 900, 180, 0x00FF0000}, {3, 900, 480, 0x00FF00FF}}},
     2},
    {{3000, 4620, 1215, 795},
     {540, 120},
     {{{5, 240, 180, 0x0000FF00}, {4, 240, 480, 0x0000FFFF}}},
     {{{4, 60, 180, 0x0000FF00}, {5, 60, 480, 0x0000FFFF}}},
     2},
    {{3000, 5580, 1215, 795},
     {540, 120},
     {{{6, 240, 180, 0x00FFFFFF}, {7, 240, 480, 0x00808080}}},
     {{{6, 60, 180, 0x00FFFFFF}, {7, 60, 480, 0x00808080}}},
     2},
}};

// The cable connector of the first PC's upper connector lies on the window, over the frame.
constexpr Square kLooseCableConnector{0, 1080, 4740, 0x00C0C0C0};

void makeSquare(QWidget* parent, const QString& name, const Square& square) {
    auto* box = new QFrame(parent);
    box->setObjectName(name + QString::number(square.index));
    box->setGeometry(toPixelRect(square.left, square.top, kSquareSide, kSquareSide));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, toQColor(square.color));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    accessibility::leaveOut(*box);
}

} // namespace

void buildComputerRing(QWidget* window) {
    for (std::size_t i = 0; i < kFrames.size(); ++i) {
        const ComputerFrame& layout = kFrames[i];
        auto* frame = new QFrame(window);
        frame->setObjectName(QStringLiteral("frmForm3PC%1").arg(i));
        frame->setGeometry(toPixelRect(layout.frame));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        // The ring only illustrates what the rules beside it say; a screen reader skips it.
        accessibility::leaveOut(*frame);

        auto* picture = new ComputerPicture(frame);
        picture->setObjectName(QStringLiteral("form3PC%1").arg(i));
        picture->setGeometry(
            toPixelRect(layout.picture.x, layout.picture.y, kPictureSize.x, kPictureSize.y));

        for (const Square& square : layout.pcConnectors)
            makeSquare(frame, QStringLiteral("txtForm3PC"), square);
        for (int c = 0; c < layout.cableConnectorCount; ++c)
            makeSquare(frame, QStringLiteral("txtForm3CableConnector"),
                       layout.cableConnectors[static_cast<std::size_t>(c)]);
    }
    makeSquare(window, QStringLiteral("txtForm3CableConnector"), kLooseCableConnector);
}

void paintComputerRingCables(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Square ends close the corners where two lines meet.
    painter.setPen(QPen(Qt::black, 4.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const TwipLine& line : kComputerRingCables)
        painter.drawLine(toPixelLine(line));
    painter.restore();
}

} // namespace kestrelink::ui
