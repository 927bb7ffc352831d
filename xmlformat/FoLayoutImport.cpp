#include "xmlformat/FoLayoutImport.h"

#include <memory>
#include <new>

#include "elements/EditFloat.h"
#include "elements/EditGai.h"
#include "elements/EditKaiPage.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "model/XmlElementTable.h"

namespace {

template <class N>
N* FoAs(CQVXMLNode* pFo) {
  auto* node = dynamic_cast<N*>(pFo);
  if (!node) throw CFoImportError("an element does not have its node class");
  return node;
}

BOOL IsNameFieldMaster(const CStringW& master) {
  return master == CStringW(u"KimeiBodyPage") || master == CStringW(u"KimeiBodyFooterPage");
}

}  // namespace

CFoLayoutImport::CFoLayoutImport(CEditPrint* pRoot, CFoItemFactory* pItems, BOOL bVertical)
    : m_pRoot(pRoot), m_pItems(pItems), m_bVertical(bVertical) {}

BOOL CFoLayoutImport::Import(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  m_strError.Empty();
  try {
    if (!pFo || !pTarget || !m_pRoot) throw CFoImportError("nothing to import");
    ImportFoLayout(pFo, pTarget);
    return TRUE;
  } catch (const std::bad_alloc&) {
    m_strError = CStringW(u"out of memory");
  } catch (const std::exception& e) {
    m_strError = CStringW(e.what());
  } catch (...) {
    m_strError = CStringW(u"the layout could not be imported");
  }
  return FALSE;
}

void CFoLayoutImport::ImportFoLayout(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  switch (pFo->m_nType) {
    case XE_FO_ROOT:
      for (CQVXMLNode* child : pFo->m_arrChildren)
        if (child->m_nType == XE_FO_LAYOUT_MASTER_SET || child->m_nType == XE_FO_PAGE_SEQUENCE)
          ImportFoLayout(child, pTarget);
      break;
    case XE_FO_LAYOUT_MASTER_SET:
    case XE_FO_PAGE_SEQUENCE:
      for (CQVXMLNode* child : pFo->m_arrChildren) ImportFoLayout(child, pTarget);
      break;
    case XE_FO_SIMPLE_PAGE_MASTER:
      ImportPageMaster(pFo, pTarget);
      break;
    case XE_FO_REGION_BODY:
      if (pTarget == m_pRoot) m_pRoot->m_page.m_nColumnCount = FoAs<CFoRegionBody>(pFo)->m_pageProps.m_nColumnCount;
      break;
    case XE_FO_PAGE_SEQUENCE_MASTER:
      ImportPageReferences(pFo, pTarget);
      break;
    case XE_FO_STATIC_CONTENT:
      ImportNameField(pFo, pTarget);
      break;
    case XE_FO_FLOW:
      ImportFlow(pFo, pTarget);
      break;
    case XE_FO_BLOCK_CONTAINER:
    case XE_FO_FLOAT:
    case XE_FO_INLINE_CONTAINER:
    case XE_FO_TABLE_CELL:
      for (CQVXMLNode* child : pFo->m_arrChildren) ImportContainerChild(child, pTarget);
      break;
    default:
      break;
  }
}

void CFoLayoutImport::ImportPageMaster(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  if (pTarget != m_pRoot) return;
  auto* master = FoAs<CFoSimplePageMaster>(pFo);
  SIZE page = {master->m_pageProps.m_nPageWidth, master->m_pageProps.m_nPageHeight};
  const CBlockMarginProperties& margins = master->m_marginProps;
  RECT rect = {margins.m_nMarginLeft, margins.m_nMarginTop, margins.m_nMarginRight, margins.m_nMarginBottom};
  m_pRoot->SetPageSize(&page);
  m_pRoot->SetMargins(&rect);
  for (CQVXMLNode* child : pFo->m_arrChildren)
    if (child->m_nType == XE_FO_REGION_BODY) ImportFoLayout(child, pTarget);
  CheckPageSetup();
}

// Page size, margins and columns from a file must leave room to lay out.
void CFoLayoutImport::CheckPageSetup() const {
  const CPageProperties& page = m_pRoot->m_page;
  long long width = (long long)page.m_nPageWidth - m_pRoot->m_nMarginLeft - m_pRoot->m_nMarginRight;
  long long height = (long long)page.m_nPageHeight - m_pRoot->m_nMarginTop - m_pRoot->m_nMarginBottom;
  if (width <= 0 || height <= 0 || m_pRoot->m_nMarginLeft < 0 || m_pRoot->m_nMarginTop < 0 ||
      m_pRoot->m_nMarginRight < 0 || m_pRoot->m_nMarginBottom < 0)
    throw CFoImportError("the page leaves no printable area");
  long long columns = page.m_nColumnCount;
  if (columns < 1) throw CFoImportError("the page has no column");
  if (columns > 1 && (width - (columns - 1) * page.m_nColumnGap) / columns <= 0)
    throw CFoImportError("the columns leave no width");
}

void CFoLayoutImport::ImportPageReferences(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  if (pTarget != m_pRoot) return;
  for (int i = 0; i < pFo->GetChildCount(); ++i) {
    auto* reference = dynamic_cast<CFoSinglePageMasterReference*>(pFo->GetChildAt(i));
    // Pages past the page table carry no name field.
    if (reference && IsNameFieldMaster(reference->m_strMasterReference)) m_pRoot->SetNameFieldPage(i + 1, 1);
    if (m_pRoot->IsNameFieldPage(i + 1)) AppendImported(&m_pRoot->m_nodePageKimeiran, new CEditKimeiran);
  }
}

void CFoLayoutImport::ImportNameField(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  if (pTarget != m_pRoot) return;
  auto* content = FoAs<CFoStaticContent>(pFo);
  CQVXMLNode* first = content->GetFirstChild();
  if (!first || content->m_strFlowName != CStringW(u"kimei-region") || first->m_nType != XE_FO_BLOCK_CONTAINER)
    return;
  CEditKimeiran& templ = m_pRoot->m_kimeiran;
  templ.CopyPropsFromFo(FoAs<CFoBlockContainer>(first));
  templ.DeleteAllChildren();
  ImportFoLayout(first, &templ);
  for (CQVXMLNode* page : m_pRoot->m_nodePageKimeiran.m_arrChildren) {
    page->DeleteAllChildren();
    if (!templ.CopyInto(page)) throw CFoImportError("the name field could not be copied to its pages");
  }
}

void CFoLayoutImport::ImportFlow(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  for (CQVXMLNode* child : pFo->m_arrChildren)
    if (child->m_nType == XE_FO_BLOCK_CONTAINER) ImportFlowContainer(child, pTarget);
}

void CFoLayoutImport::ImportFlowContainer(CQVXMLNode* pContainer, CQVXMLNode* pTarget) {
  auto* fo = FoAs<CFoBlockContainer>(pContainer);
  if (fo->m_nBlockKind == BK_KAIPAGE) {
    auto* pageBreak = AppendImported(pTarget, new CEditKaiPage);
    pageBreak->Init();
    if (pageBreak->GetChildCount() == 0) throw CFoImportError("a page break could not be made");
    return;
  }
  CEditSentence* sentence = fo->m_nBlockKind == BK_GAI ? new CEditGai : new CEditSentence;
  AppendImported(pTarget, sentence);
  sentence->CopyPropsFromFo(fo);
  ImportFoLayout(fo, sentence);
  CQVXMLNode* last = sentence->GetLastChild();
  if (last && !(last->m_nType & NT_LINEBREAK)) AppendImported(sentence, new CEditCR);
}

void CFoLayoutImport::ImportContainerChild(CQVXMLNode* pChild, CQVXMLNode* pTarget) {
  switch (pChild->m_nType) {
    case XE_FO_BLOCK:
      ImportFoBlocks(pChild, pTarget);
      break;
    case XE_FO_FLOAT:
      ImportFloat(pChild, pTarget);
      break;
    case XE_FO_TABLE_AND_CAPTION:
      ImportFoTable(pChild, AppendImported(pTarget, new CEditTable));
      break;
    case XE_FO_INITIAL_PROPERTY_SET:
      ImportSpacing(pChild, pTarget);
      break;
    default:
      break;
  }
}

void CFoLayoutImport::ImportSpacing(CQVXMLNode* pSet, CQVXMLNode* pTarget) {
  auto* set = FoAs<CFoInitialPropertySet>(pSet);
  auto apply = [set](CQVXMLNode* node) {
    if (auto* container = dynamic_cast<CEditContainer*>(node)) {
      container->m_nLineSpacing = set->m_lineProps.m_nLineSpacing;
      container->m_nLetterSpacing = set->m_charProps.m_nLetterSpacing;
    }
  };
  apply(pTarget);
  if (pTarget->GetParent() == m_pRoot) apply(m_pRoot);
}

void CFoLayoutImport::ImportFloat(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  auto* frame = AppendImported(pTarget, new CEditFloat);
  frame->CopyFromFoFloat(pFo);
  ImportFoLayout(pFo, frame);
  // A frame that holds only its closing line end is not kept.
  if (frame->GetChildCount() <= 1) frame->Delete();
}
