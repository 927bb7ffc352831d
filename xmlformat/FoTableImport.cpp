#include <algorithm>

#include "elements/EditCell.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "model/FoTableElements.h"
#include "xmlformat/FoLayoutImport.h"

namespace {

// The body whose children are the rows; null when the table has another shape.
CQVXMLNode* TableBody(CQVXMLNode* pTableAndCaption) {
  CQVXMLNode* table = pTableAndCaption->GetFirstChild();
  if (!table || (table->m_nType != XE_FO_TABLE_CAPTION && table->m_nType != XE_FO_TABLE)) return nullptr;
  CQVXMLNode* body = table->GetFirstChild();
  if (!body || (body->m_nType != XE_FO_TABLE_HEADER && body->m_nType != XE_FO_TABLE_FOOTER &&
                body->m_nType != XE_FO_TABLE_BODY))
    return nullptr;
  return body;
}

int WidestRow(const CQVXMLNode* pBody) {
  int columns = 0;
  for (const CQVXMLNode* row : pBody->m_arrChildren) columns = std::max(columns, row->GetChildCount());
  return columns;
}

void EndWithLineBreak(CEditCell* pCell) {
  CQVXMLNode* last = pCell->GetLastChild();
  if (!last || !(last->m_nType & NT_LINEBREAK)) AppendImported(pCell, new CEditCR);
}

}  // namespace

void CFoLayoutImport::ImportFoTable(CQVXMLNode* pTableAndCaption, CEditTable* pTable) {
  CQVXMLNode* body = TableBody(pTableAndCaption);
  if (!body) return;
  const long long rows = body->GetChildCount();
  // Rows of different lengths make a grid of the widest, the shorter ones padded.
  const long long columns = WidestRow(body);
  if (rows > kMaxTableSide || columns > kMaxTableSide || rows * columns > kMaxTableCells) throw CFoImportError("a table has too many cells");
  pTable->m_nRows = int(rows);
  pTable->m_nCols = int(columns);
  for (CQVXMLNode* row : body->m_arrChildren) FillTableRow(row, pTable, int(columns));
}

void CFoLayoutImport::FillTableRow(CQVXMLNode* pRow, CEditTable* pTable, int nColumns) {
  for (CQVXMLNode* element : pRow->m_arrChildren) {
    auto* cell = AppendImported(pTable, new CEditCell);
    if (auto* fo = dynamic_cast<CFoTableCell*>(element)) {
      pTable->m_nBorderStyle = cell->m_nBorderStyle = fo->m_borderProps.m_nBorderStyle;
      pTable->m_nBorderWidth = cell->m_nBorderWidth = fo->m_borderProps.m_nBorderWidth;
    }
    ImportFoLayout(element, cell);
    EndWithLineBreak(cell);
  }
  for (int col = pRow->GetChildCount(); col < nColumns; ++col) {
    auto* cell = AppendImported(pTable, new CEditCell);
    cell->m_nBorderStyle = pTable->m_nBorderStyle;
    cell->m_nBorderWidth = pTable->m_nBorderWidth;
    EndWithLineBreak(cell);
  }
}
