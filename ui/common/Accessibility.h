// What the windows tell a screen reader where Qt's own accessible interfaces say too little or
// the wrong thing: windows as frames, the board's pictures, text boxes that only show a text,
// controls that are no part of the tree, and news such as the verdict.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace kestrelink::ui::accessibility {

// A top-level window: a frame, named by its caption, whose tree leaves out what leaveOut marks.
// Mark a window before it gets its caption or its controls.
void markAsWindow(QWidget& window);

// A picture (role graphic) with this name and no parts of its own in the tree. It is not
// reported disabled: the board's pictures let the mouse through, yet they are no switched-off
// controls.
void markAsPicture(QWidget& widget, const QString& name);

// A text box that only shows its text: named, read-only and never editable, and not reported
// disabled where it is switched off only to keep the player from typing into it.
void markAsDisplayBox(QLineEdit& box, const QString& name);

// Keeps a control out of its window's tree: layers, helpers and decorations with nothing to
// read or use.
void leaveOut(QWidget& widget);

// Set only when they change: every change is an event that a screen reader may speak.
void setName(QWidget& widget, const QString& name);
void setDescription(QWidget& widget, const QString& description);

// The text as it is read rather than laid out: each line trimmed, blank lines dropped.
QString withoutPadding(const QString& text);

// A notice (role notification) that paints nothing and takes no input; it stays hidden until it
// has news.
void markAsNotice(QWidget& notice);

// News a screen reader must not miss: the notice takes the text as its name and appears, which
// screen readers speak at once. (Qt's Linux bridge passes no alert events on, and a screen
// reader ignores a name change of anything but the focus.)
void announce(QWidget& notice, const QString& text);
// The news is over: the notice leaves the screen.
void withdraw(QWidget& notice);

} // namespace kestrelink::ui::accessibility
