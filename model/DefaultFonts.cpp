#include "model/DefaultFonts.h"

#include "platform/AnsiCodePage.h"

DEFAULT_FONTS g_DefaultFonts;

const char* const DEFAULT_FONTS::kNames[Count] = {
    "Default",   "HankakuDefault",   "NumericDefault",   "AtDefault",           "AtHankakuDefault",
    "AtNumericDefault", "MathDefault", "MathNumericDefault", "MathOperatorDefault"};

namespace {

constexpr int kDefaultHeight = 371;  // 10.5 points in 0.01 mm

DEFAULT_FONT MakeEntry(const char16_t* face, BYTE charSet, LONG escapement, int italic) {
  DEFAULT_FONT entry{};
  LOGFONTA& lf = entry.lf;
  lf.lfHeight = -kDefaultHeight;
  lf.lfEscapement = escapement;
  lf.lfOrientation = escapement;
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = BYTE(italic);
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = 3;
  lf.lfClipPrecision = 2;
  lf.lfQuality = 1;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
  CopyAnsiBounded(lf.lfFaceName, LF_FACESIZE, WideToAnsi(face).c_str());
  entry.bItalic = italic;
  entry.nCharHeight = kDefaultHeight;
  return entry;
}

DEFAULT_FONT& Entry(int index, BOOL bVertical) { return g_DefaultFonts.entries[index + (bVertical ? 3 : 0)]; }

}  // namespace

DEFAULT_FONTS::DEFAULT_FONTS()
    : entries{MakeEntry(u"ＭＳ Ｐ明朝", SHIFTJIS_CHARSET, 0, 0),
              MakeEntry(u"Times New Roman", ANSI_CHARSET, 0, 1),
              MakeEntry(u"Times New Roman", ANSI_CHARSET, 0, 0),
              MakeEntry(u"@ＭＳ 明朝", SHIFTJIS_CHARSET, 2700, 0),
              MakeEntry(u"Times New Roman", ANSI_CHARSET, 0, 1),
              MakeEntry(u"Times New Roman", ANSI_CHARSET, 0, 0),
              MakeEntry(u"Times New Roman", ANSI_CHARSET, 0, 1),
              MakeEntry(u"Times New Roman", ANSI_CHARSET, 0, 0),
              MakeEntry(u"ＭＳ Ｐ明朝", SHIFTJIS_CHARSET, 0, 0)} {}

// Heights of the text kinds are shared between the writing directions: only the horizontal
// entries hold them.
#define QR_TEXT_KIND_ACCESSORS(Kind, index)                                                   \
  void Get##Kind##Font(LOGFONTA* out, BOOL bVertical) { *out = Entry(index, bVertical).lf; }  \
  void Set##Kind##Font(const LOGFONTA* lf, BOOL bVertical) { Entry(index, bVertical).lf = *lf; } \
  int Get##Kind##Italic(BOOL bVertical) { return Entry(index, bVertical).bItalic; }           \
  void Set##Kind##Italic(int italic, BOOL bVertical) { Entry(index, bVertical).bItalic = italic; } \
  int Get##Kind##Height() { return Entry(index, FALSE).nCharHeight; }                         \
  void Set##Kind##Height(int height) { Entry(index, FALSE).nCharHeight = height; }

QR_TEXT_KIND_ACCESSORS(Default, DEFAULT_FONTS::Default)
QR_TEXT_KIND_ACCESSORS(Hankaku, DEFAULT_FONTS::HankakuDefault)
QR_TEXT_KIND_ACCESSORS(Numeric, DEFAULT_FONTS::NumericDefault)

#define QR_MATH_KIND_ACCESSORS(Kind, index)                                           \
  void Get##Kind##Font(LOGFONTA* out) { *out = g_DefaultFonts.entries[index].lf; }    \
  void Set##Kind##Font(const LOGFONTA* lf) { g_DefaultFonts.entries[index].lf = *lf; } \
  int Get##Kind##Italic() { return g_DefaultFonts.entries[index].bItalic; }           \
  void Set##Kind##Italic(int italic) { g_DefaultFonts.entries[index].bItalic = italic; } \
  int Get##Kind##Height() { return g_DefaultFonts.entries[index].nCharHeight; }       \
  void Set##Kind##Height(int height) { g_DefaultFonts.entries[index].nCharHeight = height; }

QR_MATH_KIND_ACCESSORS(Math, DEFAULT_FONTS::MathDefault)
QR_MATH_KIND_ACCESSORS(MathNumeric, DEFAULT_FONTS::MathNumericDefault)
QR_MATH_KIND_ACCESSORS(MathOperator, DEFAULT_FONTS::MathOperatorDefault)
