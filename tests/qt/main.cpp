#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>

#include "window_fixture.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && !std::strcmp(argv[1], "--close-during-a-visual-run"))
    return sweep::testing::CloseDuringAVisualRun(argv[2]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
