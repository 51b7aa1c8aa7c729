#pragma once
// The maker's web site: one bare host (a reserved name until a real one exists). The page
// head's OWNER and AUTHOR lines and the Help button's address are built from it.
#include <string_view>

inline constexpr std::string_view kMakerHost = "quorrin.example";
inline constexpr std::string_view kHelpPagePath = "/MelvaneHelp.php";
