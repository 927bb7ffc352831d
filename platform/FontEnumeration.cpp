#include "platform/FontEnumeration.h"

#include <QFontDatabase>

#include <cstring>
#include <string>
#include <vector>

#include "platform/AnsiCodePage.h"
#include "platform/FaceSubstitution.h"
#include "platform/RealizedFont.h"

namespace {

constexpr LONG kReportEm = 1000;

struct FACE_REPORT {
  std::u16string name;
  QString family;  // family to take the metrics from
};

bool IsJapaneseFace(std::u16string_view face) {
  return face != u"Times New Roman" && face != u"@Times New Roman";
}

BYTE FamilyBits(const QString& family, bool bFixed) {
  if (bFixed) return FIXED_PITCH | FF_MODERN;
  static const char* const kSans[] = {"Gothic", "Sans", "ゴシック"};
  for (const char* word : kSans) {
    if (family.contains(QString::fromUtf8(word))) return VARIABLE_PITCH | FF_SWISS;
  }
  return VARIABLE_PITCH | FF_ROMAN;
}

std::vector<FACE_REPORT> FacesOf(BYTE charSet) {
  std::vector<FACE_REPORT> faces;
  for (const std::u16string& name : SubstitutedFaceNames()) {
    bool japanese = IsJapaneseFace(name);
    if (japanese == (charSet == SHIFTJIS_CHARSET) && name != u"@Times New Roman") {
      faces.push_back({name, ResolveFace(WideToAnsi(name)).family});
    }
  }
  QFontDatabase::WritingSystem system =
      charSet == SHIFTJIS_CHARSET ? QFontDatabase::Japanese : QFontDatabase::Latin;
  for (const QString& family : QFontDatabase::families(system)) {
    if (family.contains(u'[')) continue;  // a foundry-qualified duplicate
    std::u16string name(reinterpret_cast<const char16_t*>(family.utf16()), size_t(family.size()));
    faces.push_back({name, family});
    if (charSet == SHIFTJIS_CHARSET) faces.push_back({u"@" + name, family});
  }
  return faces;
}

// The face's name in CP932 when it fits a LOGFONT and survives the conversion.
bool ToAnsiFaceName(const std::u16string& name, char (&out)[LF_FACESIZE]) {
  std::string ansi = WideToAnsi(name);
  if (ansi.empty() || ansi.size() >= LF_FACESIZE || AnsiToWide(ansi) != name) return false;
  std::memset(out, 0, LF_FACESIZE);
  std::memcpy(out, ansi.data(), ansi.size());
  return true;
}

void FillReport(const FACE_REPORT& face, BYTE charSet, LOGFONTA& lf, NEWTEXTMETRICA& ntm) {
  LOGFONTA probe{};
  probe.lfHeight = -kReportEm;
  probe.lfWeight = FW_NORMAL;
  probe.lfCharSet = charSet;
  CopyAnsiBounded(probe.lfFaceName, LF_FACESIZE, WideToAnsi(face.name).c_str());
  const CRealizedFont& font = CRealizedFont::Get(probe);
  const TEXTMETRICA& tm = font.GetTextMetrics();
  bool fixed = font.Face().m_bFixedPitch;
  lf.lfHeight = tm.tmHeight;
  lf.lfWidth = tm.tmAveCharWidth;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = OUT_STROKE_PRECIS;
  lf.lfClipPrecision = CLIP_STROKE_PRECIS;
  lf.lfQuality = DRAFT_QUALITY;
  lf.lfPitchAndFamily = FamilyBits(face.family, fixed);
  std::memcpy(&ntm, &tm, sizeof tm);
  ntm.tmPitchAndFamily = BYTE((lf.lfPitchAndFamily & 0xF0) | (tm.tmPitchAndFamily & 0x0F));
  ntm.tmCharSet = charSet;
  ntm.ntmFlags = NTM_REGULAR;
  ntm.ntmSizeEM = UINT(kReportEm);
  ntm.ntmCellHeight = UINT(tm.tmHeight);
  ntm.ntmAvgWidth = UINT(tm.tmAveCharWidth);
}

}  // namespace

int EnumFontFamiliesExA(const LOGFONTA* lf, FONTENUMPROCA proc, LPARAM lParam) {
  BYTE charSet = lf->lfCharSet == SHIFTJIS_CHARSET ? SHIFTJIS_CHARSET : ANSI_CHARSET;
  int result = 1;
  for (const FACE_REPORT& face : FacesOf(charSet)) {
    LOGFONTA report{};
    if (!ToAnsiFaceName(face.name, report.lfFaceName)) continue;
    NEWTEXTMETRICA ntm{};
    FillReport(face, charSet, report, ntm);
    result = proc(&report, &ntm, TRUETYPE_FONTTYPE, lParam);
    if (result == 0) break;
  }
  return result;
}
