#include "math/EditMath.h"

#include <cstdlib>
#include <memory>

#include "elements/Units.h"
#include "math/EditMathCR.h"
#include "model/DefaultFonts.h"
#include "model/EditBox.h"

IMPLEMENT_SERIAL(CEditMath, CEditMathContainer, 1)

CEditMath::CEditMath() : CEditMathContainer(NTYPE_EDITMATH) {}

CEditMath::~CEditMath() = default;

void CEditMath::InitMath(BOOL bDefaultFont) {
  try {
    auto end = std::make_unique<CEditMathCR>();
    if (bDefaultFont) {
      LOGFONTA lf;
      GetMathFont(&lf);
      lf.lfHeight = -std::abs(GetMathHeight());
      lf.lfWidth = 0;
      end->SetLogFont(lf, nullptr);
    } else {
      end->m_lf.lfHeight = -PointsToHimetric(10, 5);
    }
    AppendChild(end.release());
  } catch (...) {
  }
}

CEditNode* CEditMath::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i)
      if (CEditNode* hit = ChildOrThrow(i)->NodeFromPoint(x, y, pAfter)) return hit;
  } catch (...) {
  }
  return nullptr;
}

// A formula that cannot be measured keeps no sizes from its record.
void CEditMath::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  m_nWidth = 0;
  m_nHeight = 0;
  m_nAscent = 0;
  m_nCenter = 0;
  RemoveAllBoxes();
  try {
    if (GetChildCount() == 0) throw kMissingPiece;
    MeasureSlots(pDC, pMapper, pParam ? *pParam : EDIT_LAYOUT_PARAM{}, SLOT_RULES{FALSE, FALSE});
    TakeOverhangs();
  } catch (...) {
  }
}

// The formula leans out as far as its first item and the last item of its line.
void CEditMath::TakeOverhangs() {
  m_nOverhangLeft = 0;
  m_nOverhangRight = 0;
  m_nOverhangLeft = ChildOrThrow(0)->m_nOverhangLeft;
  CEditNode* end = GetFirstSlotEnd();
  const int index = end ? IndexOfChild(end) : -1;
  if (index > 0) m_nOverhangRight = ChildOrThrow(index - 1)->m_nOverhangRight;
}

void CEditMath::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  const int x = pParam->nX;
  const int top = pParam->nY + pParam->nLineAscent - m_nAscent;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  try {
    if (GetChildCount() == 0 || !GetBox(0)) throw kMissingPiece;
    PlaceLinesFrom(x, top, bVertical, nullptr);
  } catch (...) {
  }
}

void CEditMath::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  CEditMathContainer::Draw(pDC, pMapper, pParam);
  try {
    DrawSlotMarks(pDC, pMapper);
  } catch (...) {
  }
}
