#include "resources/ResourceImages.h"

#include "resources/ResourceIds.h"

std::string_view ResourceImageFileName(int imageId) {
  switch (imageId) {
    case kAppIconId:
      return "melvane-256.png";
    case kDialogPictureId:
      return "picture.png";
    default:
      return {};
  }
}
