#include <cstdio>

#include "app/DialogRoad.h"

int RunDialogRoad(const std::string&, const char*) {
  std::fputs(
      "melvane: this build has no window; run the batch instead, for example "
      "melvane -h 'songs/*.txt' (web pages) or melvane -r 'songs/*.txt' (Word documents)\n",
      stderr);
  return 2;
}
