#include "math/EditScriptElement.h"

CEditScriptElement::CEditScriptElement(DWORD nType) : CEditMathElement(nType) {}

CEditScriptElement::~CEditScriptElement() = default;

int CEditScriptElement::Raise(const EDIT_LINE_INFO& base, const EDIT_LINE_INFO& script) {
  const int h = script.props.m_nHeight;
  return base.props.m_nAscent >= h ? h / 10 : script.props.m_nCenter - h / 10;
}

// A short subscript ends at the base's bottom; a taller one stands on it by its baseline.
int CEditScriptElement::Drop(const EDIT_LINE_INFO& base, const EDIT_LINE_INFO& script) {
  const int h = script.props.m_nHeight;
  return base.props.m_nAscent >= h ? 0 : h - script.props.m_nAscent;
}

void CEditScriptElement::RequireLines(int nCount) const {
  if (GetChildCount() == 0) throw kMissingPiece;
  SlotLine(nCount - 1);
}

void CEditScriptElement::PlaceAt(int x, int top, std::initializer_list<POINT> origins, int bVertical) {
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  int slot = 0;
  for (const POINT& origin : origins) PlaceLine(slot++, origin.x, origin.y, bVertical);
}
