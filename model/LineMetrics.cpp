#include "model/LineMetrics.h"

#include <algorithm>
#include <cstdlib>

#include "model/EditNode.h"
#include "model/SaturatedInt.h"
#include "platform/FontMetrics.h"

void AddToLine(EDIT_LINE_INFO& line, const CEditNode& c) {
  CEditProperties& p = line.props;
  p.m_nWidth = LineExtent(0LL + p.m_nWidth + c.m_nWidth);
  line.nMaxFontHeight = std::max<int>(line.nMaxFontHeight, std::abs(ClampFontExtent(c.m_lf.lfHeight)));
  p.m_nAscent = std::max(p.m_nAscent, LineExtent(c.m_nAscent));
  p.m_nCenter = std::max(p.m_nCenter, LineExtent(c.m_nCenter));
  line.nMaxLower = std::max<int>(line.nMaxLower, LineExtent(0LL + c.m_nHeight - c.m_nCenter));
  line.nMaxDescent = std::max<int>(line.nMaxDescent, LineExtent(0LL + c.m_nHeight - c.m_nAscent));
  p.m_nHeight = std::max(LineExtent(0LL + p.m_nAscent + line.nMaxDescent), LineExtent(0LL + p.m_nCenter + line.nMaxLower));
}

BOOL OverrunsLine(const EDIT_LINE_INFO& line, const CEditNode& c, int nWidth) {
  if (line.nCount == 0 || (c.m_nType & NT_LINEBREAK)) return FALSE;
  return 0LL + c.m_nWidth + line.props.m_nWidth > nWidth;
}

void FitLineEnd(CEditNode& lineEnd, const CEditNode* previous, BOOL bFirstOnLine) {
  lineEnd.m_nWidth = bFirstOnLine ? lineEnd.m_tm.tmAveCharWidth : 0;
  if (!previous || !(previous->m_nType & NT_CHARACTER)) return;
  lineEnd.m_tm = previous->m_tm;
  lineEnd.m_nHeight = previous->m_nHeight;
  lineEnd.m_nAscent = previous->m_nAscent;
  lineEnd.m_nCenter = previous->m_nCenter;
}

EDIT_LAYOUT_PARAM LineChildParam(const EDIT_LINE_INFO& line, const EDIT_LAYOUT_PARAM& param, int x, int y) {
  EDIT_LAYOUT_PARAM p{};
  p.nX = x;
  p.nY = y;
  p.nLineAscent = line.props.m_nAscent;
  p.nLineHalf = line.props.m_nCenter;
  p.nPage = param.nPage;
  p.nLineSpacing = param.nLineSpacing;
  p.nLetterSpacing = param.nLetterSpacing;
  return p;
}
