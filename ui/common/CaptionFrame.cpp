// A single border and a caption with the window's icon, title and close box; pressing the caption
// hands the move to the compositor.
#include "ui/common/CaptionFrame.h"

#include "ui/common/Accessibility.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <qdrawutil.h>

namespace kestrelink::ui {

namespace {

constexpr int kBorder = 1;
constexpr int kCaptionHeight = 22;
constexpr int kIconSize = 16;
constexpr int kGap = 4;

QColor captionColor(const QPalette& palette, bool active) {
    return palette.color(active ? QPalette::Highlight : QPalette::Dark);
}

QColor titleColor(const QPalette& palette, bool active) {
    return palette.color(active ? QPalette::HighlightedText : QPalette::BrightText);
}

// The classic raised square with a cross; it takes no focus, so Tab never stops on it.
class CloseBox : public QAbstractButton {
public:
    explicit CloseBox(QWidget* parent) : QAbstractButton(parent) {
        setObjectName(QStringLiteral("captionCloseBox"));
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(18, 16);
        const QString close = QCoreApplication::translate("CaptionFrame", "Close");
        setToolTip(close);
        setAccessibleName(close);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QBrush face = palette().brush(QPalette::Button);
        qDrawShadePanel(&painter, rect(), palette(), isDown(), 1, &face);
        const QPointF centre = QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF());
        const qreal half = 3.5;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1.6));
        painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
        painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
    }
};

} // namespace

CaptionFrame* CaptionFrame::wrap(QWidget& client) {
    return new CaptionFrame(client);
}

CaptionFrame* CaptionFrame::of(const QWidget& client) {
    auto* frame = qobject_cast<CaptionFrame*>(client.parentWidget());
    return frame != nullptr && frame->client_ == &client ? frame : nullptr;
}

QSize CaptionFrame::extent() {
    return {2 * kBorder, 2 * kBorder + kCaptionHeight};
}

CaptionFrame::CaptionFrame(QWidget& client)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), client_(&client),
      clientObject_(&client) {
    accessibility::markAsWindow(*this);
    setObjectName(QStringLiteral("captionFrame"));
    setPalette(designPalette());
    setWindowTitle(client.windowTitle());
    setWindowIcon(client.windowIcon());

    client.setParent(this);
    // A top-level window has its background filled by Qt; inside the frame it must ask for it.
    client.setAutoFillBackground(true);
    client.move(kBorder, kBorder + kCaptionHeight);
    client.installEventFilter(this);
    closeBox_ = new CloseBox(this);
    connect(static_cast<CloseBox*>(closeBox_), &QAbstractButton::clicked, this, &QWidget::close);
    followClientSize();

    // A window still open when the program ends is the owner's to delete, not the frame's: the
    // frame lets go of it and goes on its own, while deferred deletions still happen.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        releaseClient();
        deleteLater();
    });
}

QWidget* CaptionFrame::client() const {
    return client_.data();
}

void CaptionFrame::followClientSize() {
    if (client_ == nullptr)
        return;
    setFixedSize(client_->size() + extent());
    closeBox_->move(width() - kBorder - kGap / 2 - closeBox_->width(),
                    kBorder + (kCaptionHeight - closeBox_->height()) / 2);
}

void CaptionFrame::releaseClient() {
    if (client_ == nullptr)
        return;
    client_->removeEventFilter(this);
    client_->setParent(nullptr);
}

bool CaptionFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        followClientSize();
        break;
    case QEvent::ShowToParent:
        // A hidden widget reports no resize, so the size is taken again as it shows.
        followClientSize();
        show();
        break;
    case QEvent::HideToParent:
        // The client has closed or hidden itself; the frame follows, without asking it again.
        clientHidden_ = true;
        close();
        break;
    case QEvent::WindowTitleChange:
        setWindowTitle(client_->windowTitle());
        update();
        break;
    case QEvent::WindowIconChange:
        setWindowIcon(client_->windowIcon());
        update();
        break;
    default:
        break;
    }
    return false;
}

void CaptionFrame::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->removed() && event->child() == clientObject_) {
        clientObject_ = nullptr;
        hide();
        deleteLater();
    }
}

// The close box and the compositor's close request run the client's own closing steps; a
// client that refuses to close keeps its frame open.
void CaptionFrame::closeEvent(QCloseEvent* event) {
    const bool askClient = client_ != nullptr && !clientHidden_;
    clientHidden_ = false;
    if (askClient && !client_->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CaptionFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange)
        update();
    QWidget::changeEvent(event);
}

void CaptionFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().y() < kBorder + kCaptionHeight &&
        windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool active = isActiveWindow();
    painter.fillRect(rect(), captionColor(palette(), active));

    const QRect caption(kBorder, kBorder, width() - 2 * kBorder, kCaptionHeight);
    const QRect icon(caption.left() + kGap, caption.top() + (kCaptionHeight - kIconSize) / 2,
                     kIconSize, kIconSize);
    windowIcon().paint(&painter, icon);

    const QFont font = dialogFont(8.25, true);
    painter.setFont(font);
    painter.setPen(titleColor(palette(), active));
    QRect title = caption;
    title.setLeft(icon.right() + 1 + kGap);
    title.setRight(closeBox_->x() - kGap);
    const QString text =
        QFontMetrics(font).elidedText(windowTitle(), Qt::ElideRight, title.width());
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

} // namespace kestrelink::ui
