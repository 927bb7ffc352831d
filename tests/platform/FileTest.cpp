#include <gtest/gtest.h>

#include "platform/File.h"

// Written data reaches the disk when the file is flushed or closed; a full disk must fail there,
// not pass as a good save.
TEST(File, FullDiskFailsOnFlushAndClose) {
  const char bytes[64] = {};
  for (bool flushFirst : {true, false}) {
    CFile file;
    ASSERT_TRUE(file.Open("/dev/full", CFile::modeWrite));
    file.Write(bytes, sizeof bytes);
    if (flushFirst) {
      EXPECT_THROW(file.Flush(), CFileException);
    } else {
      EXPECT_THROW(file.Close(), CFileException);
      EXPECT_NO_THROW(file.Close());
    }
  }
}
