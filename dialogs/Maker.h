#pragma once

// Who made lumaDex, as the About window shows it. The home page is the
// link's own text; the donation page lies on the same host.

#include "StreamBytes.h"

#include <string_view>

inline constexpr streamdata::Text kCopyright = "© 2025 lumaDex authors";
inline constexpr streamdata::Text kHomePage = "http://www.example.com";
inline constexpr std::string_view kDonationPage = "/paypal.php?app=lumaDex";
