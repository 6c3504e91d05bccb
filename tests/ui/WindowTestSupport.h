// Helpers shared by the window tests: finding a control by its name, and checking where a
// control sits against its twips.
#pragma once

#include "ui/common/Twips.h"

#include <QRect>
#include <QWidget>
#include <QtTest>

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

} // namespace kestrelink::ui::testing
