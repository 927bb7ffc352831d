#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/VorelApp.h"

// The application's tests drive widgets, so they run under the application object itself;
// its profile lives in a folder of its own.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  CVorelApp app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
