// The vendor's web content that the browser windows show, and the questions asked first.
#pragma once

#include "numbers/message.h"

#include <string_view>

namespace tensora {

// The vendor's web server; TENSORA_VENDOR_URL overrides it (a local server, for tests).
inline constexpr std::string_view kVendorAddress = "https://www.norvale-cable.example";
inline constexpr std::string_view kVendorAddressVariable = "TENSORA_VENDOR_URL";
inline constexpr std::string_view kHomePagePath = "/html/home.shtml";
inline constexpr std::string_view kManualPath = "/docs/conduit_manual.pdf";
// What the tool bar's "Search" opens: the engine has no search page of its own.
inline constexpr std::string_view kSearchPage = "https://duckduckgo.com/";

inline constexpr MessageSource kHomePageQuestion =
    TENSORA_TEXT("Help", "This feature requires an internet connection.  Do you wish to continue?");
inline constexpr MessageSource kManualQuestion =
    TENSORA_TEXT("Help", "This feature requires an internet connection and Adobe Acrobat.  A "
                         "high speed connection is recommended.  Do you wish to continue?");

} // namespace tensora
