#include "resources/ResourceStrings.h"

#include "resources/ResourceIds.h"

std::string LoadResourceString(int id) {
  switch (id) {
    case kAboutMenuStringId:
      return "&About Melvane...";
    default:
      return {};
  }
}
