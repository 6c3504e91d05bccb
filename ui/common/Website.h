// The maker's addresses: the website that ends both website buttons' captions and that they
// open, and the e-mail address the help text gives.
#pragma once

namespace kestrelink::ui {

// Scheme and host only, in capitals, as the captions show it.
inline constexpr char kMakerWebsite[] = "HTTP://WWW.ORVANE.COM";

// Where the help text asks players to send bug reports and suggestions.
inline constexpr char kMakerServiceEmail[] = "customerservice@orvane.com";

} // namespace kestrelink::ui
