// Placeholder until the window lands: the same refusal as the console build.
#include <cstdio>

#include "app/DialogRoad.h"

int RunDialogRoad(const std::string&, const char*) {
  std::fputs("melvane: the window is not built yet; run the batch instead (melvane -h 'songs/*.txt')\n", stderr);
  return 2;
}
