// The document would show a carriage return as a stray glyph, so line ends are laid out as
// plain line breaks while the stored text keeps them as they are.
#include "ui/help/DisplayTextBox.h"

namespace kestrelink::ui {

DisplayTextBox::DisplayTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    // Read-only alone still lets the mouse select; nothing here is meant to be selected.
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The classic box leaves only a sliver between its border and the text.
    document()->setDocumentMargin(2);
}

void DisplayTextBox::setText(const QString& text) {
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

} // namespace kestrelink::ui
