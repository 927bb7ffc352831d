#include "platform/WinTypes.h"

#include <algorithm>

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t product = int64_t(a) * int64_t(b);
  bool negative = (product < 0) != (c < 0);
  uint64_t num = product < 0 ? uint64_t(-product) : uint64_t(product);
  uint64_t den = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
  uint64_t q = (num + den / 2) / den;
  if (q > uint64_t(INT32_MAX) + (negative ? 1u : 0u)) return -1;
  return negative ? int(-int64_t(q)) : int(q);
}

void CRect::NormalizeRect() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

BOOL CRect::IntersectRect(const RECT& a, const RECT& b) {
  CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom));
  if (r.IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  *this = r;
  return TRUE;
}

BOOL CRect::UnionRect(const RECT& a, const RECT& b) {
  bool aEmpty = CRect(a).IsRectEmpty(), bEmpty = CRect(b).IsRectEmpty();
  if (aEmpty && bEmpty) {
    SetRectEmpty();
    return FALSE;
  }
  if (aEmpty) { *this = b; return TRUE; }
  if (bEmpty) { *this = a; return TRUE; }
  SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom));
  return TRUE;
}
