#pragma once

// The web addresses that the program opens or shows, each kept in one place.
namespace WebAddresses {

// The maker's site, shown and opened by the About window.
inline constexpr char kMakerSite[] = "https://www.fellmark.example/";
// The credited consultancy's site.
inline constexpr char kConsultancySite[] = "https://www.corvale.example/";
// The consultancy's page on personal gua numbers, opened from the Gua page.
inline constexpr char kConsultancyPage[] = "https://www.corvale.example/Reduvazidez_Idod_Ezir.html";

} // namespace WebAddresses
