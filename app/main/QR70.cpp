#include "app/VorelApp.h"

int main(int argc, char** argv) {
  CVorelApp app(argc, argv);
  if (!app.InitInstance()) return 1;
  return app.exec();
}
