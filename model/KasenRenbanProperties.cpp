#include "model/KasenRenbanProperties.h"

#include "model/FontProperties.h"

void CKasenRenbanProperties::Init() {
  m_kasen.nForcedNumber = -1;
  m_kasen.nNumberStyle = NumberNone;
  CopyFaceName(m_kasen.szNumberFace, DefaultMinchoFaceA());
  m_kasen.nNumberSize = 176;  // 5 points
  m_strKasenString.Empty();
}

void CKasenRenbanProperties::Copy(const CKasenRenbanProperties& other) {
  m_kasen = other.m_kasen;
  m_strKasenString = other.m_strKasenString;
}
