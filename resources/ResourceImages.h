#pragma once
// Image resources by id. The images are PNG files under resources/images/ (drawn from the SVG
// sources beside them); a window back end embeds them and finds them by these names.
#include <string_view>

// The image's file name without its folder (for example "melvane-128.png"); empty for an id
// that names no image.
std::string_view ResourceImageFileName(int imageId);
