#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/VorelAppSettings.h"
#include "model/DefaultFonts.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"

namespace {

const CRect kScreen(0, 0, 1024, 768);

bool SameEntry(const DEFAULT_FONT& a, const DEFAULT_FONT& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Face(const LOGFONTA& lf) { return std::string(lf.lfFaceName); }

class VorelAppSettingsTest : public ::testing::Test {
 protected:
  VorelAppSettingsTest() : m_saved(g_DefaultFonts) {}
  ~VorelAppSettingsTest() override { g_DefaultFonts = m_saved; }

  QString IniPath() const { return m_dir.filePath("QR70.ini"); }
  void Store(const QString& key, const QVariant& value) {
    QSettings ini(IniPath(), QSettings::IniFormat);
    ini.setValue(key, value);
  }
  void Save(const CVorelAppSettings& settings) {
    CProfile profile(IniPath());
    settings.SaveProfile(profile);
  }
  CVorelAppSettings Load() {
    CVorelAppSettings settings;
    settings.LoadProfile(CProfile(IniPath()), kScreen);
    return settings;
  }

  DEFAULT_FONTS m_saved;
  QTemporaryDir m_dir;
};

TEST_F(VorelAppSettingsTest, EmptyProfileGivesTheDefaults) {
  const DEFAULT_FONT builtInHorizontal = g_DefaultFonts.entries[DEFAULT_FONTS::Default];
  CVorelAppSettings settings = Load();

  LOGFONTA vertical;
  GetDefaultFont(&vertical, TRUE);
  EXPECT_EQ(Face(vertical), WideToAnsi(u"@ＭＳ 明朝"));
  EXPECT_EQ(vertical.lfHeight, -371);
  EXPECT_EQ(vertical.lfWidth, 0);
  EXPECT_TRUE(SameEntry(g_DefaultFonts.entries[DEFAULT_FONTS::Default], builtInHorizontal));
  EXPECT_EQ(GetDefaultHeight(), 371);
  EXPECT_EQ(GetDefaultItalic(TRUE), 0);
  LOGFONTA math;
  GetMathFont(&math);
  EXPECT_EQ(math.lfHeight, -371);
  EXPECT_EQ(GetMathItalic(), 0);

  EXPECT_EQ(settings.m_nZoom, 100);
  EXPECT_EQ(settings.m_nWritingMode, 1);
  EXPECT_FALSE(settings.m_bMaximized);
  EXPECT_TRUE(settings.m_rcInitial.IsRectNull());
  EXPECT_EQ(settings.m_DefaultBango.m_kasen.nNumberStyle, 1);
  EXPECT_EQ(settings.m_DefaultBango.m_kasen.nNumberSize, 176);
  EXPECT_EQ(std::string(settings.m_DefaultBango.m_kasen.szNumberFace), WideToAnsi(u"ＭＳ Ｐ明朝"));
  EXPECT_EQ(settings.m_DefaultBango.m_kasen.nForcedNumber, 0);
  EXPECT_TRUE(settings.m_DefaultBango.m_strKasenString.IsEmpty());
  EXPECT_EQ(settings.m_DefaultUnderline.m_nUnderlineStyle, 1);
  EXPECT_EQ(settings.m_DefaultUnderline.m_nUnderlineWidth, 1);
}

// Every entry differs from the built-in table in every field the profile holds.
void ScrambleDefaultFonts() {
  for (int i = 0; i < DEFAULT_FONTS::Count; ++i) {
    DEFAULT_FONT& entry = g_DefaultFonts.entries[i];
    BYTE* bytes = reinterpret_cast<BYTE*>(&entry.lf);
    for (size_t b = 0; b < offsetof(LOGFONTA, lfFaceName); ++b) bytes[b] = BYTE(i * 7 + b + 1);
    std::snprintf(entry.lf.lfFaceName, LF_FACESIZE, "Face %d with a long name to fill", i);
    entry.bItalic = i + 1;
    entry.nCharHeight = 500 + i;
  }
}

TEST_F(VorelAppSettingsTest, EverySettingRoundTripsByteForByte) {
  ScrambleDefaultFonts();
  const DEFAULT_FONTS written = g_DefaultFonts;
  CVorelAppSettings settings;
  settings.m_bMaximized = TRUE;
  settings.m_rcInitial = CRect(20, 30, 620, 530);
  settings.m_nZoom = 150;
  KASEN_RENBAN_FIELDS& kasen = settings.m_DefaultBango.m_kasen;
  kasen.nNumberStyle = 6;
  kasen.nForcedNumber = 3;
  kasen.nNumberSize = 254;
  std::strcpy(kasen.szNumberFace, "Liberation Serif");
  settings.m_DefaultBango.m_strKasenString = CStringW(u"ア");
  settings.m_DefaultUnderline.m_nUnderlineStyle = 4;
  settings.m_DefaultUnderline.m_nUnderlineWidth = 3;
  Save(settings);

  g_DefaultFonts = DEFAULT_FONTS();
  CVorelAppSettings read = Load();
  for (int i = 0; i < DEFAULT_FONTS::Count; ++i) {
    const DEFAULT_FONT& a = g_DefaultFonts.entries[i];
    const DEFAULT_FONT& b = written.entries[i];
    EXPECT_EQ(std::memcmp(&a.lf, &b.lf, sizeof a.lf), 0) << DEFAULT_FONTS::kNames[i];
    EXPECT_EQ(a.bItalic, b.bItalic) << DEFAULT_FONTS::kNames[i];
  }
  EXPECT_EQ(GetDefaultHeight(), 500);
  EXPECT_EQ(GetHankakuHeight(), 501);
  EXPECT_EQ(GetNumericHeight(), 502);
  EXPECT_EQ(GetMathHeight(), 506);
  EXPECT_EQ(GetMathNumericHeight(), 507);
  EXPECT_EQ(GetMathOperatorHeight(), 508);
  EXPECT_TRUE(read.m_bMaximized);
  EXPECT_EQ(read.m_rcInitial, settings.m_rcInitial);
  EXPECT_EQ(read.m_nZoom, 150);
  EXPECT_EQ(std::memcmp(&read.m_DefaultBango.m_kasen, &kasen, sizeof kasen), 0);
  EXPECT_EQ(read.m_DefaultBango.m_strKasenString, settings.m_DefaultBango.m_strKasenString);
  EXPECT_EQ(std::memcmp(&read.m_DefaultUnderline, &settings.m_DefaultUnderline, sizeof(CCharacterProperties)), 0);
}

TEST_F(VorelAppSettingsTest, WindowRectangleMustShowTenPixelsOnTheScreen) {
  struct Case { CRect stored; bool kept; } cases[] = {
      {CRect(100, 100, 700, 500), true},     {CRect(1014, 0, 1600, 400), true},
      {CRect(1015, 0, 1600, 400), false},    {CRect(-600, 100, 9, 500), false},
      {CRect(100, -400, 500, 10), true},     {CRect(5000, 5000, 5600, 5400), false},
      {CRect(300, 200, 300, 600), false},
  };
  for (const Case& c : cases) {
    const RECT& rc = c.stored;
    Store("Options/InitialRect", QByteArray(reinterpret_cast<const char*>(&rc), sizeof rc));
    CVorelAppSettings settings = Load();
    EXPECT_EQ(settings.m_rcInitial, c.kept ? c.stored : CRect()) << c.stored.left << "," << c.stored.top;
  }
}

TEST_F(VorelAppSettingsTest, EmptyNumberTextLeavesNoStringBehind) {
  CVorelAppSettings settings;
  settings.m_DefaultBango.m_strKasenString = CStringW(u"ア");
  Save(settings);
  EXPECT_TRUE(QSettings(IniPath(), QSettings::IniFormat).contains("Settings/Bango/String"));
  settings.m_DefaultBango.m_strKasenString = CStringW();
  Save(settings);
  EXPECT_FALSE(QSettings(IniPath(), QSettings::IniFormat).contains("Settings/Bango/String"));
}

TEST_F(VorelAppSettingsTest, StoredHorizontalWritingModeIsIgnored) {
  Store("Options/WritingMode", 0);
  EXPECT_EQ(Load().m_nWritingMode, 1);
  LOGFONTA vertical;
  GetDefaultFont(&vertical, TRUE);
  EXPECT_EQ(Face(vertical), WideToAnsi(u"@ＭＳ 明朝"));
}

TEST_F(VorelAppSettingsTest, OversizedValuesStayWithinTheirTargets) {
  QByteArray font(100, 'x');  // a face without its end, then bytes beyond the LOGFONT
  LONG height = -500;
  std::memcpy(font.data(), &height, sizeof height);
  Store("Settings/Font/MathDefault", font);
  Store("Settings/Bango/Font", font);
  Store("Settings/Font/MathItalic", QByteArray("\x01\x00\x00\x00\x07\x07\x07\x07", 8));
  const RECT rc = {10, 20, 400, 300};
  QByteArray rect(reinterpret_cast<const char*>(&rc), sizeof rc);
  Store("Options/InitialRect", rect + QByteArray(16, '\x7f'));

  CVorelAppSettings settings = Load();
  LOGFONTA math;
  GetMathFont(&math);
  EXPECT_EQ(math.lfHeight, -500);
  EXPECT_EQ(Face(math), std::string(31, 'x'));
  EXPECT_EQ(GetMathItalic(), 1);
  EXPECT_EQ(settings.m_rcInitial, CRect(10, 20, 400, 300));
  EXPECT_EQ(settings.m_DefaultBango.m_kasen.nNumberSize, -500);
  EXPECT_EQ(std::string(settings.m_DefaultBango.m_kasen.szNumberFace), std::string(31, 'x'));
}

TEST_F(VorelAppSettingsTest, UnreadableValuesTakeTheDefaults) {
  Store("Settings/Font/Height", "tall");
  Store("Settings/Font/Default", "not a font");
  Store("Settings/Zoom", 0);
  Store("Settings/Bango/Type", "circled");
  CVorelAppSettings settings = Load();
  EXPECT_EQ(GetDefaultHeight(), 371);
  LOGFONTA vertical;
  GetDefaultFont(&vertical, TRUE);
  EXPECT_EQ(vertical.lfHeight, -371);
  EXPECT_EQ(settings.m_nZoom, 100);
  EXPECT_EQ(settings.m_DefaultBango.m_kasen.nNumberStyle, 1);
}

// Without the fallback face installed a missing format takes the built-in entry at 10.5 points,
// whatever the table held before.
TEST_F(VorelAppSettingsTest, MissingFormatWithoutItsFaceTakesTheBuiltInEntry) {
  CFontList& fonts = g_GdiCache.m_fontList;
  fonts.RemoveAll();
  LOGFONTA other{};
  std::strcpy(other.lfFaceName, "Other Face");
  fonts.Add(other, NEWTEXTMETRICA{});
  std::strcpy(g_DefaultFonts.entries[DEFAULT_FONTS::AtDefault].lf.lfFaceName, "Changed");
  std::strcpy(g_DefaultFonts.entries[DEFAULT_FONTS::MathDefault].lf.lfFaceName, "Changed");
  Load();
  fonts.Enumerate();

  const DEFAULT_FONTS builtIn;
  for (DEFAULT_FONTS::Index index : {DEFAULT_FONTS::AtDefault, DEFAULT_FONTS::MathDefault}) {
    LOGFONTA expected = builtIn.entries[index].lf;
    expected.lfHeight = -371;
    expected.lfWidth = 0;
    EXPECT_EQ(std::memcmp(&g_DefaultFonts.entries[index].lf, &expected, sizeof expected), 0) << DEFAULT_FONTS::kNames[index];
  }
}

}  // namespace
