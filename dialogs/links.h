// The words and web addresses of the About and licence windows that are ours
// to choose, kept in one place.
#pragma once

namespace links {

// The words that run on into the maker link "Valdrane".
constexpr const char* MakerLineText = "Developed by ";
constexpr const char* MakerName = "Valdrane";
constexpr const char* LicenceStatement =
    "This program is licensed under the Creative Commons "
    "Attribution-NonCommercial-NoDerivatives 4.0 International License.";

// Placeholders under a reserved example domain until the project has a site.
constexpr const char* MakerSiteAddress = "https://www.example.com/";
constexpr const char* DonationAddress = "https://www.example.com/donate";
constexpr const char* LicenceAddress = "https://creativecommons.org/licenses/by-nc-nd/4.0/";

}  // namespace links
