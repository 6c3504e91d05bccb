// The border and caption the game draws for its own windows where Qt would otherwise draw the
// title bar itself (Wayland without the compositor's decorations): Qt's bar offers maximise and
// minimise whatever a window's flags and fixed size say, and a fixed window cannot follow either.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

namespace kestrelink::ui {

class CaptionFrame : public QWidget {
    Q_OBJECT
public:
    // Puts the parentless window `client` into a new frame, which from then on is the
    // top-level window: it shows, closes and goes with the client, carries its title and icon
    // and keeps the client's size plus its own border and caption.
    static CaptionFrame* wrap(QWidget& client);
    // The frame around `client`, or null.
    static CaptionFrame* of(const QWidget& client);
    // What the frame adds to the client's size.
    static QSize extent();

    QWidget* client() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CaptionFrame(QWidget& client);
    void followClientSize();
    void releaseClient();

    QPointer<QWidget> client_;
    // Compared with, never used: the client may be half gone when its removal is reported.
    const QObject* clientObject_;
    QWidget* closeBox_ = nullptr;
    bool clientHidden_ = false;
};

} // namespace kestrelink::ui
