#include "math/EditMathElement.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "math/EditMathCR.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/ShowCyukai.h"
#include "platform/DC.h"
#include "platform/Pen.h"

CEditMathElement::CEditMathElement(DWORD nType) : CEditMathContainer(nType) {}

CEditMathElement::~CEditMathElement() = default;

int CEditMathElement::GetSlotHeight(int nSlot) const { return IsScriptSlot(nSlot) ? GetScriptHeight() : m_lf.lfHeight; }

BOOL CEditMathElement::IsScriptSlot(int nSlot) const {
  const char* sizes = GetSlotSizes();
  return nSlot >= 0 && size_t(nSlot) < std::strlen(sizes) && sizes[nSlot] == 's';
}

void CEditMathElement::CreateSlots() {
  try {
    const int count = int(std::strlen(GetSlotSizes()));
    for (int i = 0; i < count; ++i) {
      auto end = std::make_unique<CEditMathCR>();
      end->m_lf.lfHeight = GetSlotHeight(i);
      AppendChild(end.release());
    }
  } catch (...) {
  }
}

void CEditMathElement::ApplyFontSize(CUndoGroup* pUndo) {
  try {
    int slot = 0;
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = ChildOrThrow(i);
      child->SetFontSize(CSize(0, GetSlotHeight(slot)), pUndo);
      if (IsFormulaContainer(child->m_nType)) child->ApplyFontSize(pUndo);
      if (child->m_nType & NT_LINEBREAK) ++slot;
    }
  } catch (...) {
  }
}

CEditNode* CEditMathElement::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i)
      if (CEditNode* hit = ChildOrThrow(i)->NodeFromPoint(x, y, pAfter)) return hit;
    // Beside the content of a line: before its first item or after its last.
    CEditNode* found = nullptr;
    for (const CEditBox* box : m_arrBoxes) {
      for (const EDIT_LINE_INFO& line : box->m_arrLines) {
        const RECT& rc = line.props.m_rcInk;
        if (y < rc.top || y > rc.bottom || line.nCount <= 0) continue;
        CEditNode* first = ChildOrThrow(line.nFirst);
        CEditNode* last = ChildOrThrow(line.nFirst + line.nCount - 1);
        if (x >= rc.left && x <= first->m_rcInk.left) {
          if (pAfter) *pAfter = 0;
          found = first;
          break;
        }
        if (x >= last->m_rcInk.right && x <= rc.right) {
          if (pAfter) *pAfter = 1;
          found = last;
          break;
        }
      }
    }
    return found;
  } catch (...) {
  }
  return nullptr;
}

void CEditMathElement::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  m_measureParam = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
  CEditMathContainer::Measure(pDC, pMapper, pParam);
  try {
    MeasureShape(pDC, pMapper);
  } catch (...) {
  }
}

void CEditMathElement::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  try {
    PlaceSlots(*pParam, bVertical);
  } catch (...) {
  }
}

void CEditMathElement::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  CEditMathContainer::Draw(pDC, pMapper, pParam);
  if (!pDC || GetChildCount() == 0) return;
  try {
    const BOOL bShown = !(HidesWithAnswers() && IsInHiddenAnswer());
    if (bShown) DrawSlotMarks(pDC, pMapper);
    DrawStrokes(pDC, pMapper, bShown);
  } catch (...) {
  }
}

BOOL CEditMathElement::IsInHiddenAnswer() {
  return !g_bShowCyukai && FindAncestorByMask(NT_ANNOTATION, TRUE) != nullptr;
}

void CEditMathElement::DrawBar(CDC* pDC, CCoordMapper* pMapper, POINT start, POINT end) {
  const POINT points[] = {start, end};
  DrawStroke(pDC, pMapper, points, 2);
}

void CEditMathElement::DrawStroke(CDC* pDC, CCoordMapper* pMapper, const POINT* pPoints, int nCount) {
  std::vector<POINT> points(pPoints, pPoints + nCount);
  SIZE width{kStrokeWidth, kStrokeWidth};
  if (pMapper) {
    for (POINT& p : points) pMapper->LPtoDP(&p);
    pMapper->LPtoDPSize(&width);
  }
  CPen pen(PS_SOLID, width.cx, RGB(0, 0, 0));
  CPen* old = pDC->SelectObject(&pen);
  pDC->MoveTo(points[0]);
  pDC->Polyline(points.data(), nCount);
  if (old) pDC->SelectObject(old);
}

namespace {

BOOL LeansLikeItalicF(const CEditNode& node) {
  if (!(node.m_nType & NT_CHARACTER) || !node.m_lf.lfItalic || node.m_strText.IsEmpty()) return FALSE;
  return node.m_strText[0] == u'd' || node.m_strText[0] == u'f';
}

}  // namespace

void CEditMathElement::TakeOverhangs(int nBaseSlot, BOOL bFromFirst, BOOL bItalicMinimum) {
  m_nOverhangLeft = m_nOverhangRight = 0;
  if (GetChildCount() == 0) throw kMissingPiece;
  if (bFromFirst) m_nOverhangLeft = ChildOrThrow(0)->m_nOverhangLeft;
  int ends = 0;
  for (int i = 0; i < GetChildCount(); ++i) {
    if (!(ChildOrThrow(i)->m_nType & NT_LINEBREAK) || ends++ != nBaseSlot) continue;
    if (i == 0) return;
    const CEditNode& last = *ChildOrThrow(i - 1);
    m_nOverhangRight = last.m_nOverhangRight;
    if (bItalicMinimum && LeansLikeItalicF(last)) m_nOverhangRight = std::max(m_nOverhangRight, kItalicOverhang);
    return;
  }
}

void CEditMathElement::WidenLineByOverhang(int nLine) {
  if (m_nOverhangRight <= 0) return;
  EDIT_LINE_INFO line = SlotLine(nLine);
  line.props.m_nWidth += m_nOverhangRight;
  GetBox(0)->SetLine(nLine, line);
}

void CEditMathElement::PlaceMember(CEditNode& member, POINT at, int bVertical) {
  EDIT_LAYOUT_PARAM p{};
  p.nX = at.x;
  p.nY = at.y;
  p.nLineAscent = member.m_nAscent;
  p.nLineHalf = member.m_nCenter;
  member.Arrange(&p, bVertical);
  member.m_rcHit = RECT{at.x, at.y, at.x + member.m_nWidth, at.y + member.m_nHeight};
  member.m_nLine = 0;
  member.m_nInLine = 0;
}
