// The button that opens the maker's website in the player's browser. The start-up and help
// windows each show one, under a caption of their own.
#pragma once

#include "ui/common/WrappedTextButton.h"

namespace kestrelink::ui {

class WebsiteButton : public WrappedTextButton {
    Q_OBJECT
public:
    // `caption` holds "%1" where the website's address goes.
    WebsiteButton(const QString& caption, QWidget* parent);
};

} // namespace kestrelink::ui
