// QPushButton draws its caption on one line only; this one lets the style draw the bevel and
// focus frame and lays the caption out itself, word-wrapped.
#include "ui/common/WrappedTextButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kestrelink::ui {

WrappedTextButton::WrappedTextButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {}

// Lines break between words only: a joiner after each slash keeps an address such as
// "HTTP://WWW.ORVANE.COM" whole. It is the zero width joiner, which Qt's line breaker also
// never breaks after, rather than the word joiner: the caption's fonts have a glyph for it, and
// a character they lack would make Qt search the desktop's fonts and load a fallback face for
// an invisible character on the first paint.
QString WrappedTextButton::captionAsLaidOut() const {
    QString caption = text();
    caption.replace(QLatin1Char('/'), QStringLiteral("/\u200D"));
    return caption;
}

void WrappedTextButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = captionAsLaidOut();
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    style()->drawItemText(&painter, textArea, Qt::AlignCenter | Qt::TextWordWrap, option.palette,
                          isEnabled(), caption, QPalette::ButtonText);
}

} // namespace kestrelink::ui
