// Helpers shared by the window tests: finding a control by its name, checking where a control
// sits against its twips, and answering a modal dialog.
#pragma once

#include "ui/common/Twips.h"

#include <QApplication>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace kestrelink::ui::testing {

// The control of that name in `window`; a missing control ends the test run at once.
template <typename T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

// Data rows of a placement test: the control, the name of its container, its twips.
inline void addPlacementColumns() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
}

inline void addPlacementRow(const char* name, const char* container, QRect twips) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container) << twips;
}

// Checks the current row's control in `window`.
inline void checkPlacement(QWidget& window) {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    auto* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), toPixelRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

// Answers the next modal dialog of type T once it is on screen. Gives up after five seconds,
// closing whatever modal dialog is open, so a missing dialog fails the test instead of hanging.
// A wait still pending when a test ends can be dropped: its timer is named "whenModal".
template <typename T> void whenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("whenModal"));
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (++*ticks < 500)
                return;
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        } else {
            answer(dialog);
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start(10);
}

} // namespace kestrelink::ui::testing
