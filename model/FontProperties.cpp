#include "model/FontProperties.h"

#include <cstring>
#include <string>

#include "platform/AnsiCodePage.h"

const char* DefaultMinchoFaceA() {
  static const std::string face = WideToAnsi(u"ＭＳ Ｐ明朝");
  return face.c_str();
}

void CopyFaceName(CHAR (&dest)[LF_FACESIZE], const char* face) { CopyAnsiBounded(dest, sizeof(dest), face); }

void CFontProperties::Init() {
  CopyFaceName(m_szFontFamily, DefaultMinchoFaceA());
  m_nFontSize = 371;  // 10.5 points
  m_nFontStretch = StretchNormal;
  m_nFontItalic = 0;
  m_nFontWeight = FW_NORMAL;
}

void CFontProperties::SetFontFamily(const char* face) { CopyFaceName(m_szFontFamily, face); }
