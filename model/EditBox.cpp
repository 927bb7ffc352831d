#include "model/EditBox.h"

#include <limits>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditBox, CObject, 1)

void EDIT_LINE_INFO::Reset() {
  props.Reset();
  nFirst = -1;
  nLast = -1;
  nCount = 0;
  nCharCount = 0;
  nMaxAboveCenter = 0;
  nMaxLower = 0;
  nMaxDescent = 0;
  nIndent = 0;
  nBlankCount = 0;
  nRemainWidth = 0;
  bEndedByWidth = 0;
  bWordWrapped = 0;
  nReserved = 0;
  nMaxFontHeight = 0;
}

CEditBox::CEditBox() = default;

CEditBox::~CEditBox() = default;

void CEditBox::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(DWORD(m_arrLines.size()));
    for (const EDIT_LINE_INFO& line : m_arrLines) ar.Write(&line, sizeof(line));
    return;
  }
  const DWORD count = ar.ReadCount();
  // The stored count must be backed by data before anything is allocated for it.
  const uint64_t bytes = uint64_t(count) * sizeof(EDIT_LINE_INFO);
  ar.EnsureAvailable(bytes);
  if (bytes > std::numeric_limits<UINT>::max()) throw CArchiveException(CArchiveException::endOfFile);
  std::vector<EDIT_LINE_INFO> lines(count);
  ar.ReadExact(lines.data(), UINT(bytes));
  m_arrLines = std::move(lines);
}

BOOL CEditBox::GetLine(int index, EDIT_LINE_INFO& out) const {
  if (index < 0 || index >= GetLineCount()) return FALSE;
  out = m_arrLines[size_t(index)];
  return TRUE;
}

void CEditBox::SetLine(int index, const EDIT_LINE_INFO& line) {
  if (index < 0) return;
  if (index >= GetLineCount()) m_arrLines.resize(size_t(index) + 1);
  m_arrLines[size_t(index)] = line;
}

void CEditBox::SetPlacedWith(const EDIT_LAYOUT_PARAM& param, int nIndentAfter) {
  m_placedWith = param;
  m_nIndentAfterPlacing = nIndentAfter;
  m_bPlaced = TRUE;
}
