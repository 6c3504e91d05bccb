// The frame around the game settings. It reports a click on itself, and a click on any of its
// controls while that control is disabled, as its own click.
#pragma once

#include <QGroupBox>

namespace kestrelink::ui {

class SettingsFrame : public QGroupBox {
    Q_OBJECT
public:
    SettingsFrame(const QString& title, const QFont& font, QWidget* parent = nullptr);

signals:
    // A left-button press and release, both over the frame or its disabled controls.
    void frameClicked();

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
    bool painted_ = false;
};

} // namespace kestrelink::ui
