#include "xmlformat/FoTreeBuilder.h"

#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoTableElements.h"
#include "xmlformat/FoBuildFailure.h"

CFoTreeBuilder::CFoTreeBuilder(CEditPrint* pSheet) : m_pSheet(pSheet) {}

BOOL CFoTreeBuilder::Guard(const std::function<void()>& step) {
  m_strError.Empty();
  m_strUserMessage.Empty();
  try {
    step();
    return TRUE;
  } catch (const FO_BUILD_FAILURE& failure) {
    m_strError = failure.strCause;
    m_strUserMessage = failure.strUserMessage;
  } catch (const std::bad_alloc&) {
    m_strError = u"out of memory";
  }
  return FALSE;
}

BOOL CFoTreeBuilder::BuildFoTree(CEditNode* pSource, CQVXMLNode* pParent) {
  return Guard([&] { ConvertTree(pSource, pParent); });
}

BOOL CFoTreeBuilder::BuildFoPages(CEditPrint* pRoot, CQVXMLNode* pParent) {
  return Guard([&] { ConvertPages(pRoot, pParent); });
}

BOOL CFoTreeBuilder::BuildFoTable(CEditTable* pTable, CQVXMLNode* pParent) {
  return Guard([&] { ConvertTable(pTable, pParent); });
}

void CFoTreeBuilder::ConvertTree(CEditNode* pSource, CQVXMLNode* pParent) {
  if (!pSource || !pParent) FailBuild(u"nothing to convert");
  switch (pSource->m_nType) {
    case NTYPE_EDITPRINT:
      return ConvertPages(CastOrFail<CEditPrint>(pSource, u"a sheet root"), pParent);
    case NTYPE_EDITTABLE:
      return ConvertTable(CastOrFail<CEditTable>(pSource, u"a table"), pParent);
    case NTYPE_EDITSENTENCE:
    case NTYPE_EDITFLOAT:
    case NTYPE_EDITCELL:
    case NTYPE_EDITKIMEIRAN:
    case NTYPE_EDITGAI:
    case NTYPE_EDITRUBYTEXT:
    case NTYPE_EDITRUBYBASE:
    case NTYPE_EDITCYUKAI:
    case NTYPE_EDITKUNTEN:
    case NTYPE_EDITOKURIGANA:
      return ConvertChildren(pSource, pParent);
    default:
      return;
  }
}

void CFoTreeBuilder::ConvertPages(CEditPrint* pRoot, CQVXMLNode* pParent) {
  if (!pRoot || !pParent) FailBuild(u"nothing to convert");
  for (int i = 0; i < pRoot->GetChildCount(); ++i) {
    CEditNode* child = pRoot->GetEditChildAt(i);
    if (!child) FailBuild(u"the sheet holds a null part");
    if (child->m_nType == NTYPE_EDITKAIPAGE) {
      auto* pageBreak = AppendNew<CFoBlockContainer>(pParent);
      pageBreak->m_nBlockKind = BK_KAIPAGE;
      pageBreak->m_nBreakAfter = CFoBlockContainer::BreakAfterPage;
    } else if (child->m_nType == NTYPE_EDITSENTENCE || child->m_nType == NTYPE_EDITGAI) {
      ConvertPart(pRoot, child, pParent);
    }
  }
}

void CFoTreeBuilder::ConvertPart(CEditPrint* pRoot, CEditNode* pPart, CQVXMLNode* pParent) {
  auto* sentence = CastOrFail<CEditSentence>(pPart, u"a question part");
  auto* block = AppendNew<CFoBlockContainer>(pParent);
  sentence->CopyPropsToFo(block);
  if (pPart->m_nType == NTYPE_EDITGAI) block->m_nBlockKind = BK_GAI;
  auto* initial = AppendNew<CFoInitialPropertySet>(block);
  initial->m_lineProps.m_nLineSpacing = pRoot->m_nLineSpacing;
  initial->m_charProps.m_nLetterSpacing = pRoot->m_nLetterSpacing;
  ConvertChildren(pPart, block);
}

void CFoTreeBuilder::ConvertTable(CEditTable* pTable, CQVXMLNode* pParent) {
  if (!pTable || !pParent) FailBuild(u"nothing to convert");
  if (!pTable->GetCell(0, 0)) FailBuild(u"the table's cells do not match its rows and columns");
  auto* body = AppendNew<CFoTableBody>(AppendNew<CFoTable>(pParent));
  for (int r = 0; r < pTable->m_nRows; ++r) {
    auto* row = AppendNew<CFoTableRow>(body);
    for (int c = 0; c < pTable->m_nCols; ++c) {
      CEditNode* cell = pTable->GetCell(r, c);
      if (!cell) FailBuild(u"the table's cells do not match its rows and columns");
      auto* foCell = AppendNew<CFoTableCell>(row);
      foCell->m_borderProps.m_nBorderStyle = pTable->m_nBorderStyle;
      foCell->m_borderProps.m_nBorderWidth = pTable->m_nBorderWidth;
      ConvertChildren(cell, foCell);
    }
  }
}
