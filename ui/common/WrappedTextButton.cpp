// QPushButton draws its caption on one line only; this one lets the style draw the bevel and
// focus frame and lays the caption out itself, word-wrapped.
#include "ui/common/WrappedTextButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kestrelink::ui {

WrappedTextButton::WrappedTextButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {}

void WrappedTextButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Lines break between words only: a word joiner after each slash keeps an address such as
    // "HTTP://WWW.ORVANE.COM" whole.
    QString caption = option.text;
    caption.replace(QLatin1Char('/'), QStringLiteral("/\u2060"));
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    style()->drawItemText(&painter, textArea, Qt::AlignCenter | Qt::TextWordWrap, option.palette,
                          isEnabled(), caption, QPalette::ButtonText);
}

} // namespace kestrelink::ui
