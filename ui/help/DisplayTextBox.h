// A multi-line text box that only displays: it keeps its text as stored (lines ended by CR LF)
// and shows it, but can be neither typed into nor selected. It still scrolls by its scroll bar
// and the mouse wheel.
#pragma once

#include <QPlainTextEdit>

namespace kestrelink::ui {

class DisplayTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DisplayTextBox(QWidget* parent = nullptr);

    // The text exactly as stored, CR LF line ends included.
    const QString& text() const { return text_; }
    void setText(const QString& text);

private:
    QString text_;
};

} // namespace kestrelink::ui
