#include "app/VorelAppSettings.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/DefaultFonts.h"
#include "model/FontList.h"
#include "platform/AnsiCodePage.h"

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kFont = "Settings\\Font";
constexpr const char* kBango = "Settings\\Bango";
constexpr const char* kSettings = "Settings";
constexpr int kDefaultHeight = 371;  // 10.5 points in 0.01 mm
constexpr int kMinVisible = 10;      // pixels of a stored window that must show on the screen

// Copies a stored binary value over target, never more than the target holds; FALSE and the
// target unchanged when the value is missing.
BOOL ReadBinary(const CProfile& profile, const char* section, const char* entry, void* target, size_t size) {
  std::vector<BYTE> bytes;
  if (!profile.GetProfileBinary(section, entry, &bytes)) return FALSE;
  std::memcpy(target, bytes.data(), std::min(size, bytes.size()));
  return TRUE;
}

BOOL ReadLogFont(const CProfile& profile, const char* section, const char* entry, LOGFONTA* lf) {
  LOGFONTA stored{};
  if (!ReadBinary(profile, section, entry, &stored, sizeof stored)) return FALSE;
  char face[LF_FACESIZE + 1] = {};
  std::memcpy(face, stored.lfFaceName, LF_FACESIZE);
  CopyAnsiBounded(stored.lfFaceName, LF_FACESIZE, face);
  *lf = stored;
  return TRUE;
}

int ReadInt(const CProfile& profile, const char* entry, int nDefault) {
  int value = nDefault;
  ReadBinary(profile, kFont, entry, &value, sizeof value);
  return value;
}

void WriteInt(CProfile& profile, const char* entry, int value) {
  profile.WriteProfileBinary(kFont, entry, &value, sizeof value);
}

// One default text format as the profile stores it. The math formats have one entry only and
// ignore the direction.
struct FontFormat {
  DEFAULT_FONTS::Index horizontal;
  DEFAULT_FONTS::Index vertical;
  const char* fontEntry;
  const char* italicEntry;
  const char* heightEntry;
  const char16_t* fallbackFace;
  void (*getFont)(LOGFONTA*, BOOL);
  void (*setFont)(const LOGFONTA*, BOOL);
  int (*getItalic)(BOOL);
  void (*setItalic)(int, BOOL);
  int (*getHeight)();
  void (*setHeight)(int);
};

const FontFormat kTextFormats[] = {
    {DEFAULT_FONTS::Default, DEFAULT_FONTS::AtDefault, "Default", "Italic", "Height", u"@ＭＳ 明朝", GetDefaultFont, SetDefaultFont, GetDefaultItalic,
     SetDefaultItalic, GetDefaultHeight, SetDefaultHeight},
    {DEFAULT_FONTS::HankakuDefault, DEFAULT_FONTS::AtHankakuDefault, "HankakuDefault", "HankakuItalic", "HankakuHeight", u"ＭＳ 明朝", GetHankakuFont, SetHankakuFont,
     GetHankakuItalic, SetHankakuItalic, GetHankakuHeight, SetHankakuHeight},
    {DEFAULT_FONTS::NumericDefault, DEFAULT_FONTS::AtNumericDefault, "NumericDefault", "NumericItalic", "NumericHeight", u"ＭＳ 明朝", GetNumericFont, SetNumericFont,
     GetNumericItalic, SetNumericItalic, GetNumericHeight, SetNumericHeight},
};

const char* const kVerticalEntries[][2] = {
    {"AtDefault", "AtItalic"}, {"AtHankakuDefault", "AtHankakuItalic"}, {"AtNumericDefault", "AtNumericItalic"}};

#define QR_MATH_FORMAT(Kind)                                                                          \
  {DEFAULT_FONTS::Kind##Default, DEFAULT_FONTS::Kind##Default, #Kind "Default", #Kind "Italic", #Kind "Height", \
   u"ＭＳ 明朝",                                                                                     \
   [](LOGFONTA* lf, BOOL) { Get##Kind##Font(lf); }, [](const LOGFONTA* lf, BOOL) { Set##Kind##Font(lf); }, \
   [](BOOL) { return Get##Kind##Italic(); }, [](int italic, BOOL) { Set##Kind##Italic(italic); },        \
   Get##Kind##Height, Set##Kind##Height}

const FontFormat kMathFormats[] = {QR_MATH_FORMAT(Math), QR_MATH_FORMAT(MathNumeric), QR_MATH_FORMAT(MathOperator)};

#undef QR_MATH_FORMAT

// A missing format takes the installed font of its fallback face at 10.5 points; when that face
// is not installed, the built-in table's entry at that height.
void LoadFallbackFont(const FontFormat& format, BOOL bVertical) {
  LOGFONTA lf = DEFAULT_FONTS().entries[bVertical ? format.vertical : format.horizontal].lf;
  FindFontByFaceName(WideToAnsi(format.fallbackFace).c_str(), &lf);
  lf.lfHeight = -kDefaultHeight;
  lf.lfWidth = 0;
  format.setFont(&lf, bVertical);
}

// The stored font goes to the horizontal entry, a missing one falls back into the entry of
// the writing direction.
void LoadFormat(const CProfile& profile, const FontFormat& format, BOOL bVertical) {
  LOGFONTA lf;
  if (ReadLogFont(profile, kFont, format.fontEntry, &lf))
    format.setFont(&lf, FALSE);
  else
    LoadFallbackFont(format, bVertical);
  int italic = 0;
  BOOL bStored = ReadBinary(profile, kFont, format.italicEntry, &italic, sizeof italic);
  format.setItalic(italic, bStored ? FALSE : bVertical);
  format.setHeight(ReadInt(profile, format.heightEntry, kDefaultHeight));
}

void SaveFormat(CProfile& profile, const FontFormat& format) {
  LOGFONTA lf;
  format.getFont(&lf, FALSE);
  profile.WriteProfileBinary(kFont, format.fontEntry, &lf, sizeof lf);
  WriteInt(profile, format.italicEntry, format.getItalic(FALSE));
  WriteInt(profile, format.heightEntry, format.getHeight());
}

BOOL IsVisibleOn(const CRect& rc, const CRect& rcScreen) {
  CRect visible;
  visible.IntersectRect(rc, rcScreen);
  return visible.Width() >= kMinVisible && visible.Height() >= kMinVisible;
}

}  // namespace

CVorelAppSettings::CVorelAppSettings() {
  m_DefaultBango.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberCircled;
  m_DefaultUnderline.m_nUnderlineWidth = 1;
  m_DefaultUnderline.m_nUnderlineStyle = 1;
}

void CVorelAppSettings::LoadProfile(const CProfile& profile, const CRect& rcScreen) {
  m_bMaximized = profile.GetProfileInt(kOptions, "Maximized", 0) ? TRUE : FALSE;
  m_rcInitial.SetRectEmpty();
  ReadBinary(profile, kOptions, "InitialRect", static_cast<RECT*>(&m_rcInitial), sizeof(RECT));
  if (!IsVisibleOn(m_rcInitial, rcScreen)) m_rcInitial.SetRectEmpty();
  m_nWritingMode = 1;
  LoadFonts(profile);
  LoadBango(profile);
  m_nZoom = int(profile.GetProfileInt(kSettings, "Zoom", 100));
  if (m_nZoom <= 0) m_nZoom = 100;  // the view divides by it
}

void CVorelAppSettings::SaveProfile(CProfile& profile) const {
  profile.WriteProfileInt(kOptions, "Maximized", m_bMaximized);
  profile.WriteProfileBinary(kOptions, "InitialRect", static_cast<const RECT*>(&m_rcInitial), sizeof(RECT));
  profile.WriteProfileInt(kOptions, "WritingMode", m_nWritingMode);
  SaveFonts(profile);
  SaveBango(profile);
  profile.WriteProfileInt(kSettings, "Zoom", m_nZoom);
}

void CVorelAppSettings::LoadFonts(const CProfile& profile) const {
  BOOL bVertical = m_nWritingMode == 1;
  for (const FontFormat& format : kTextFormats) LoadFormat(profile, format, bVertical);
  for (size_t i = 0; i < std::size(kVerticalEntries); ++i) {
    LOGFONTA lf;
    if (ReadLogFont(profile, kFont, kVerticalEntries[i][0], &lf)) kTextFormats[i].setFont(&lf, TRUE);
    int italic = 0;
    if (ReadBinary(profile, kFont, kVerticalEntries[i][1], &italic, sizeof italic)) kTextFormats[i].setItalic(italic, TRUE);
  }
  for (const FontFormat& format : kMathFormats) LoadFormat(profile, format, FALSE);
}

void CVorelAppSettings::SaveFonts(CProfile& profile) const {
  for (const FontFormat& format : kTextFormats) SaveFormat(profile, format);
  for (size_t i = 0; i < std::size(kVerticalEntries); ++i) {
    LOGFONTA lf;
    kTextFormats[i].getFont(&lf, TRUE);
    profile.WriteProfileBinary(kFont, kVerticalEntries[i][0], &lf, sizeof lf);
    WriteInt(profile, kVerticalEntries[i][1], kTextFormats[i].getItalic(TRUE));
  }
  for (const FontFormat& format : kMathFormats) SaveFormat(profile, format);
}

// The numbering size and face travel in a LOGFONT: its height and its face name.
void CVorelAppSettings::LoadBango(const CProfile& profile) {
  KASEN_RENBAN_FIELDS& kasen = m_DefaultBango.m_kasen;
  kasen.nNumberStyle = LONG(profile.GetProfileInt(kBango, "Type", 1));
  LOGFONTA carrier;
  if (ReadLogFont(profile, kBango, "Font", &carrier)) {
    kasen.nNumberSize = carrier.lfHeight;
    std::memcpy(kasen.szNumberFace, carrier.lfFaceName, LF_FACESIZE);
  }
  kasen.nForcedNumber = LONG(profile.GetProfileInt(kBango, "Force", 0));
  m_DefaultBango.m_strKasenString = CStringW(AnsiToWide(profile.GetProfileString(kBango, "String")));
  m_DefaultUnderline.m_nUnderlineStyle = LONG(profile.GetProfileInt(kBango, "UnderlineStyle", 1));
  m_DefaultUnderline.m_nUnderlineWidth = LONG(profile.GetProfileInt(kBango, "UnderlineWidth", 1));
}

void CVorelAppSettings::SaveBango(CProfile& profile) const {
  const KASEN_RENBAN_FIELDS& kasen = m_DefaultBango.m_kasen;
  profile.WriteProfileInt(kBango, "Type", kasen.nNumberStyle);
  LOGFONTA carrier{};
  carrier.lfHeight = kasen.nNumberSize;
  std::memcpy(carrier.lfFaceName, kasen.szNumberFace, LF_FACESIZE);
  profile.WriteProfileBinary(kBango, "Font", &carrier, sizeof carrier);
  profile.WriteProfileInt(kBango, "Force", kasen.nForcedNumber);
  std::string text = WideToAnsi(m_DefaultBango.m_strKasenString.str());
  profile.WriteProfileString(kBango, "String", text.empty() ? nullptr : text.c_str());
  profile.WriteProfileInt(kBango, "UnderlineStyle", m_DefaultUnderline.m_nUnderlineStyle);
  profile.WriteProfileInt(kBango, "UnderlineWidth", m_DefaultUnderline.m_nUnderlineWidth);
}
