#include "app/VorelApp.h"
#include "platform/TerminationWatch.h"

int main(int argc, char** argv) {
  CVorelApp app(argc, argv);
  // A termination request closes the window as the user would.
  CTerminationWatch watch;
  QObject::connect(&watch, &CTerminationWatch::terminationRequested, &app, &CVorelApp::OnAppExit);
  return app.Run();
}
