#include "math/MarkStrokes.h"

#include "math/StrokePainters.h"
#include "model/CoordMapper.h"
#include "model/EditNode.h"
#include "platform/DC.h"
#include "platform/Pen.h"

namespace {

constexpr int kQuarterPointPen = 8;  // MulDiv(1, 2540, 72) / 4
constexpr int kHalfPointPen = 17;
// Arrow heads, length by height.
constexpr SIZE kTwoPartHead{110, 75};
constexpr SIZE kThreePartHead{75, 110};

struct DEVICE_MARK {
  CDC* pDC;
  CCoordMapper* pMapper;
  RECT box;  // layout units

  BOOL Turned() const { return pMapper && pMapper->m_bVertical; }
  // A size in the formula's own frame, scaled but not turned: the painters turn it.
  SIZE Scaled(SIZE size) const {
    if (!pMapper) return size;
    pMapper->LPtoDPSize(&size);
    return Turned() ? SIZE{size.cy, size.cx} : size;
  }
  int Pen(int width) const { return Scaled(SIZE{width, width}).cx; }
  RECT ToDevice(RECT rc) const {
    if (pMapper) pMapper->LPtoDPRect(&rc);
    return rc;
  }
  void Arrow(const RECT& rc, SIZE head, int direction) const {
    head = Scaled(head);
    const RECT device = ToDevice(rc);
    DrawArrow(pDC, Pen(kQuarterPointPen), &device, head.cx, head.cy, direction, RGB(0, 0, 0), Turned());
  }
  void BottomLine() const {
    POINT start{box.left, box.bottom}, end{box.right, box.bottom};
    if (pMapper) {
      pMapper->LPtoDP(&start);
      pMapper->LPtoDP(&end);
    }
    CPen pen(PS_SOLID, Pen(kHalfPointPen), RGB(0, 0, 0));
    CPen* old = pDC->SelectObject(&pen);
    pDC->MoveTo(start);
    pDC->LineTo(end);
    if (old) pDC->SelectObject(old);
  }
};


}  // namespace

BOOL IsQuarteredMark(char16_t c) { return c == 0x2190 || c == 0x2192 || c == 0x2194 || c == 0xFFE3; }

BOOL IsWideningArrow(char16_t c) { return c == 0x21C4 || (c >= 0xF576 && c <= 0xF578); }

MARK_KIND MarkKind(char16_t c, MARK_PLACE place) {
  if (place == MARK_PLACE::ThreePartBase) return IsWideningArrow(c) ? kKeptMark : kNoMark;
  if (IsQuarteredMark(c)) return kQuarteredMark;
  if (c == 0x2322 || (c >= 0xFE35 && c <= 0xFE38)) return kKeptMark;
  if (c == 0x21C4 && place == MARK_PLACE::ThreePartSlot) return kKeptMark;
  return kNoMark;
}

MARK_KIND SlotMarkKind(const CEditNode* n, MARK_PLACE place) {
  if (!n || n->m_strText.IsEmpty()) return kNoMark;
  const CQVXMLNode* next = n->GetNextSibling();
  if (!next || !(next->m_nType & NT_LINEBREAK)) return kNoMark;
  return MarkKind(n->m_strText[0], place);
}

void DrawMarkStroke(CDC* pDC, CCoordMapper* pMapper, const CEditNode& mark, BOOL bThreePart) {
  if (!pDC || mark.m_strText.IsEmpty()) return;
  const DEVICE_MARK m{pDC, pMapper, mark.m_rcInk};
  const RECT& box = mark.m_rcInk;
  const char16_t c = mark.m_strText[0];
  switch (c) {
    case 0x2190:
    case 0x2192:
    case 0x2194:
      m.Arrow(box, kTwoPartHead, c == 0x2190 ? 2 : c == 0x2192 ? 1 : 3);
      return;
    case 0x21C4: {
      if (!bThreePart) return;
      const int half = (box.bottom - box.top) / 2;
      m.Arrow(RECT{box.left, box.top, box.right, box.top + half}, kThreePartHead, 1);
      m.Arrow(RECT{box.left, box.bottom - half, box.right, box.bottom}, kThreePartHead, 2);
      return;
    }
    case 0xF576:
    case 0xF577:
    case 0xF578:
      if (bThreePart) m.Arrow(box, kThreePartHead, c == 0xF576 ? 2 : c == 0xF577 ? 1 : 3);
      return;
    case 0x2322:
    case 0xFE35: {
      const RECT device = m.ToDevice(box);
      DrawArcMark(pDC, m.Pen(kHalfPointPen), &device, m.Scaled(SIZE{0, mark.m_nAscent}).cy, RGB(0, 0, 0), m.Turned());
      return;
    }
    case 0xFE36: {
      const RECT device = m.ToDevice(box);
      DrawUnderArcMark(pDC, m.Pen(kHalfPointPen), &device, m.Scaled(SIZE{0, mark.m_nAscent}).cy, RGB(0, 0, 0),
                       m.Turned());
      return;
    }
    case 0xFE37:
    case 0xFE38: {
      const RECT device = m.ToDevice(box);
      DrawHorizontalBrace(pDC, m.Pen(kQuarterPointPen), &device, c == 0xFE37 ? 1 : 2, RGB(0, 0, 0), m.Turned());
      return;
    }
    case 0xFFE3:
      m.BottomLine();
      return;
    default:
      return;
  }
}
