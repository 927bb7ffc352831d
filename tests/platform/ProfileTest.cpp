#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/Profile.h"
#include "platform/RecentFileList.h"

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  QString IniPath() const { return m_dir.filePath("test.ini"); }
  QTemporaryDir m_dir;
};

TEST_F(ProfileTest, ValuesRoundTripThroughTheFile) {
  const BYTE bytes[] = {0, 1, 0xFF, 0x7F, 0};
  {
    CProfile profile(IniPath());
    profile.WriteProfileInt("Options", "Maximized", -7);
    profile.WriteProfileString("Settings\\Bango", "String", "\x83\x41");  // katakana A in CP932
    profile.WriteProfileBinary("Settings\\Font", "Height", bytes, sizeof bytes);
    ASSERT_TRUE(profile.Flush());
  }
  CProfile profile(IniPath());
  EXPECT_EQ(int(profile.GetProfileInt("Options", "Maximized", 0)), -7);
  EXPECT_EQ(profile.GetProfileString("Settings\\Bango", "String"), "\x83\x41");
  std::vector<BYTE> read;
  ASSERT_TRUE(profile.GetProfileBinary("Settings\\Font", "Height", &read));
  EXPECT_EQ(read, std::vector<BYTE>(std::begin(bytes), std::end(bytes)));

  // The file holds the text in Unicode and the subkey as a nested group.
  QSettings ini(IniPath(), QSettings::IniFormat);
  EXPECT_EQ(ini.value("Settings/Bango/String").toString(), QString::fromUtf8("ア"));
}

TEST_F(ProfileTest, MissingOrMistypedValuesGiveTheDefault) {
  {
    QSettings ini(IniPath(), QSettings::IniFormat);
    ini.setValue("Settings/Zoom", "big");
    ini.setValue("Settings/Font/Height", "371");
    ini.setValue("Settings/Bango/String", QByteArray("x"));
  }
  CProfile profile(IniPath());
  EXPECT_EQ(profile.GetProfileInt("Settings", "Zoom", 100), 100u);
  EXPECT_EQ(profile.GetProfileInt("Settings", "Missing", 5), 5u);
  std::vector<BYTE> read{1};
  EXPECT_FALSE(profile.GetProfileBinary("Settings\\Font", "Height", &read));
  EXPECT_TRUE(read.empty());
  EXPECT_FALSE(profile.GetProfileBinary("Settings\\Font", "Missing", &read));
  EXPECT_EQ(profile.GetProfileString("Settings\\Bango", "String", "none"), "none");
}

TEST_F(ProfileTest, NullValueRemovesTheEntryAndNullEntryTheSection) {
  CProfile profile(IniPath());
  profile.WriteProfileString("Recent File List", "File1", "a");
  profile.WriteProfileString("Recent File List", "File2", "b");
  profile.WriteProfileString("Settings", "Zoom", "120");
  profile.WriteProfileString("Recent File List", "File1", nullptr);
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File1", "gone"), "gone");
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File2"), "b");
  profile.WriteProfileString("Recent File List", nullptr, nullptr);
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File2", "gone"), "gone");
  EXPECT_EQ(profile.GetProfileInt("Settings", "Zoom", 100), 120u);
}

TEST_F(ProfileTest, ProgramProfileLiesUnderTheConfigFolder) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", m_dir.path().toUtf8().constData(), 1);
  {
    CProfile profile("Halvern Brennowick", "QR70");
    profile.WriteProfileInt("Settings", "Zoom", 150);
    EXPECT_EQ(profile.GetFileName(), m_dir.filePath("Halvern Brennowick/QR70.ini").toStdString());
  }
  if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
  EXPECT_TRUE(QFile::exists(m_dir.filePath("Halvern Brennowick/QR70.ini")));
}

TEST_F(ProfileTest, RecentFilesKeepTheNewestTenOnce) {
  CRecentFileList list("Recent File List", 10);
  for (int i = 0; i < 12; ++i) list.Add("/sheets/" + std::to_string(i) + ".qvf");
  ASSERT_EQ(list.GetSize(), 10);
  EXPECT_EQ(list[0], "/sheets/11.qvf");
  EXPECT_EQ(list[9], "/sheets/2.qvf");
  list.Add("/sheets/5.qvf");
  EXPECT_EQ(list.GetSize(), 10);
  EXPECT_EQ(list[0], "/sheets/5.qvf");
  EXPECT_EQ(list[1], "/sheets/11.qvf");
  list.Remove(0);
  list.Remove(42);
  EXPECT_EQ(list.GetSize(), 9);
  EXPECT_EQ(list[0], "/sheets/11.qvf");
}

TEST_F(ProfileTest, RecentFilesRoundTripAndReplaceTheStoredList) {
  CProfile profile(IniPath());
  CRecentFileList list("Recent File List", 10);
  for (int i = 0; i < 4; ++i) list.Add("/tmp/ä" + std::to_string(i) + ".qvf");
  list.WriteList(profile);
  list.Remove(0);
  list.Remove(0);
  list.WriteList(profile);

  CRecentFileList read("Recent File List", 10);
  read.ReadList(profile);
  ASSERT_EQ(read.GetSize(), 2);
  EXPECT_EQ(read[0], "/tmp/ä1.qvf");
  EXPECT_EQ(read[1], "/tmp/ä0.qvf");
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File3", "gone"), "gone");
}

}  // namespace
