// The program's own accessible interfaces, made by a factory for the controls marked here. A
// control's mark lives while the control does: once it starts to go, Qt's own interfaces take
// over, so none is made for a widget that is being destroyed.
#include "ui/common/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

namespace kestrelink::ui::accessibility {

namespace {

enum class Kind { Plain, Window, Picture, DisplayBox, Notice };

struct Mark {
    Kind kind = Kind::Plain;
    bool leftOut = false;
};

QHash<const QObject*, Mark>& marks() {
    // Never destroyed: a window may still be going when static objects are.
    static auto* table = new QHash<const QObject*, Mark>;
    return *table;
}

Mark markOf(const QObject* object) {
    return marks().value(object);
}

// The interfaces made here, told apart from Qt's own.
class OwnInterface {
public:
    virtual ~OwnInterface() = default;
};

// The children Qt would list, less those left out.
QList<QWidget*> childrenInTree(const QWidget* parent) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow() && !markOf(child).leftOut)
            children << child;
    }
    return children;
}

class WindowInterface : public QAccessibleWidget, public OwnInterface {
public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(childrenInTree(widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = childrenInTree(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        const auto* childWidget = qobject_cast<const QWidget*>(child->object());
        return static_cast<int>(childrenInTree(widget()).indexOf(childWidget));
    }
};

class PictureInterface : public QAccessibleWidget, public OwnInterface {
public:
    explicit PictureInterface(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = false;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A one-line text that can be read, character by character too, but neither edited nor
// selected.
class DisplayBoxInterface : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public OwnInterface {
public:
    explicit DisplayBoxInterface(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = false;
        state.focusable = box()->isEnabled() && box()->focusPolicy() != Qt::NoFocus;
        state.readOnly = true;
        state.editable = false;
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The whole text is one run without attributes. (A run of no characters at each offset
    // made a screen reader drop the last character of the text it read.)
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

class NoticeInterface : public QAccessibleWidget, public OwnInterface {
public:
    explicit NoticeInterface(QWidget* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (markOf(object).kind) {
    case Kind::Window:
        return new WindowInterface(widget);
    case Kind::Picture:
        return new PictureInterface(widget);
    case Kind::DisplayBox:
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            return new DisplayBoxInterface(box);
        return nullptr;
    case Kind::Notice:
        return new NoticeInterface(widget);
    case Kind::Plain:
        break;
    }
    return nullptr;
}

Mark& markFor(QWidget& widget) {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
    auto found = marks().find(&widget);
    if (found == marks().end()) {
        found = marks().insert(&widget, Mark{});
        // A widget announces its end before it takes its children down; from then on Qt's
        // own factory, which knows a dying widget, answers for it.
        QObject::connect(&widget, &QObject::destroyed,
                         [object = &widget] { marks().remove(object); });
    }
    return *found;
}

// An interface made before the mark (Qt makes one for any event about the widget) gives way
// to the marked one.
void replaceEarlierInterface(QWidget& widget) {
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(&widget);
    if (current == nullptr || dynamic_cast<OwnInterface*>(current) != nullptr)
        return;
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    QAccessible::queryAccessibleInterface(&widget);
}

void mark(QWidget& widget, Kind kind) {
    markFor(widget).kind = kind;
    replaceEarlierInterface(widget);
}

} // namespace

void markAsWindow(QWidget& window) {
    mark(window, Kind::Window);
}

void markAsPicture(QWidget& widget, const QString& name) {
    mark(widget, Kind::Picture);
    setName(widget, name);
}

void markAsDisplayBox(QLineEdit& box, const QString& name) {
    mark(box, Kind::DisplayBox);
    setName(box, name);
}

void leaveOut(QWidget& widget) {
    markFor(widget).leftOut = true;
}

void setName(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
}

void setDescription(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

QString withoutPadding(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("[\\r\\n]"));
    QStringList lines;
    for (const QString& line : text.split(lineEnd)) {
        const QString trimmed = line.simplified();
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines.join(QLatin1Char('\n'));
}

void markAsNotice(QWidget& notice) {
    mark(notice, Kind::Notice);
    notice.setAttribute(Qt::WA_TransparentForMouseEvents);
    notice.setFocusPolicy(Qt::NoFocus);
    notice.hide();
}

void announce(QWidget& notice, const QString& text) {
    setName(notice, text);
    // Appearing is the news: a notice already shown goes away first, so it appears again.
    notice.hide();
    notice.raise();
    notice.show();
}

void withdraw(QWidget& notice) {
    notice.hide();
}

} // namespace kestrelink::ui::accessibility
