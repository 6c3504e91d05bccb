// The website button: its caption with the address, its font and tooltip, and its click.
#include "ui/common/WebsiteButton.h"

#include "ui/common/Fonts.h"
#include "ui/common/Website.h"

#include <QDesktopServices>
#include <QUrl>

namespace kestrelink::ui {

WebsiteButton::WebsiteButton(const QString& caption, QWidget* parent)
    : WrappedTextButton(caption.arg(QLatin1String(kMakerWebsite)), parent) {
    setFont(dialogFont(9.75, true));
    setToolTip(tr("Go ahead -- Check out our great PC to PC Connection Products"));
    // Whether a browser took the address is not reported: the click simply has no visible
    // effect.
    connect(this, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QLatin1String(kMakerWebsite))); });
}

} // namespace kestrelink::ui
