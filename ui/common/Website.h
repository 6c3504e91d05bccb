// The maker's website address: the end of both website buttons' captions and what they open.
#pragma once

namespace kestrelink::ui {

// Scheme and host only, in capitals, as the captions show it.
inline constexpr char kMakerWebsite[] = "HTTP://WWW.ORVANE.COM";

} // namespace kestrelink::ui
