// One filter per window watches its buttons' keys.
#include "ui/common/ReturnPressesButtons.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kestrelink::ui {

namespace {

class ReturnPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool unmodified = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!returnKey || !unmodified || key->isAutoRepeat() || button == nullptr ||
            !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void letReturnPressButtons(QWidget& window) {
    auto* filter = new ReturnPressesButton(&window);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

} // namespace kestrelink::ui
