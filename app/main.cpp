// Placeholder entry until the program start lands: the dialog road only.
#include "app/DialogRoad.h"

int main(int, char** argv) { return RunDialogRoad("", argv[0]); }
