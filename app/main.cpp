// The program's entry: the application runs once and its status becomes the exit status.
#include "app/CMelvaneApp.h"

int main(int argc, char** argv) {
  CMelvaneApp app(argc, argv);
  app.InitInstance();
  return app.ExitStatus();
}
