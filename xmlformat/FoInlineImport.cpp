#include <filesystem>
#include <memory>

#include "elements/EditCyukai.h"
#include "elements/EditGraphic.h"
#include "elements/EditHaiten.h"
#include "elements/EditKan.h"
#include "elements/EditKanCR.h"
#include "elements/EditKanChar.h"
#include "elements/EditKasen.h"
#include "elements/EditKunten.h"
#include "elements/EditOkurigana.h"
#include "elements/EditPrint.h"
#include "elements/EditRuby.h"
#include "elements/EditRubyBase.h"
#include "elements/EditRubyText.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/FoFlowElements.h"
#include "model/MondaiElements.h"
#include "platform/File.h"
#include "platform/Utf16.h"
#include "xmlformat/FoLayoutImport.h"

namespace {

BOOL Exists(const std::string& local) {
  std::error_code error;
  return std::filesystem::exists(local, error);
}

// Border, background and side-line numbering of a ruby or kanbun block come from its container.
void CopyContainerProps(CEditNode* pNode, const CQVXMLNode* pFo) {
  auto* container = dynamic_cast<const CFoInlineContainer*>(pFo);
  if (!container) return;
  pNode->CBorderPaddingBackgroundProperties::Copy(container->m_borderProps);
  pNode->CKasenRenbanProperties::Copy(container->m_kasenProps);
}

// The box's content is replaced; a box always keeps its closing line end.
void EmptyBox(CEditNode* pBox) { pBox->DeleteAllChildren(); }

}  // namespace

template <class C>
void CFoLayoutImport::ImportCharacters(CQVXMLNode* pSource, const CStringW& text, CQVXMLNode* pTarget) {
  const std::u16string_view units(text.str());
  for (size_t i = 0; i < units.size();) {
    size_t length = 1;
    CodePointAt(units, i, &length);
    auto* ch = AppendImported(pTarget, new C(CStringW(units.substr(i, length))));
    ch->CopyPropsFromFo(dynamic_cast<CFoNode*>(pSource));
    i += length;
  }
}

template void CFoLayoutImport::ImportCharacters<CEditChar>(CQVXMLNode*, const CStringW&, CQVXMLNode*);

void CFoLayoutImport::ImportInlineContainer(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  switch (pFo->m_nBlockKind) {
    case BK_RUBY:
      ImportRuby(pFo, pTarget);
      break;
    case BK_CYUKAI:
      ImportFoLayout(pFo, AppendImported(pTarget, new CEditCyukai));
      break;
    case BK_KANA:
    case BK_KANB:
      ImportKan(pFo, pTarget, pFo->m_nBlockKind == BK_KANB);
      break;
    case BK_KASEN:
      ImportFoLayout(pFo, AppendImported(pTarget, new CEditKasen));
      break;
    default:
      // Kinds without a node of their own add their content to the enclosing node.
      ImportFoLayout(pFo, pTarget);
      break;
  }
}

// The reading comes first, then the base; both boxes end with a line end, even when empty.
void CFoLayoutImport::ImportRuby(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  auto* ruby = AppendImported(pTarget, new CEditRuby);
  CopyContainerProps(ruby, pFo);
  auto* base = AppendImported(ruby, new CEditRubyBase);
  auto* text = AppendImported(ruby, new CEditRubyText);
  CQVXMLNode* reading = pFo->GetChildAt(0);
  CQVXMLNode* basis = pFo->GetChildAt(1);
  if (reading)
    ImportFoBlocks(reading, text);
  else
    AppendImported(text, new CEditCR);
  if (basis)
    ImportFoBlocks(basis, base);
  else
    AppendImported(base, new CEditCR);
}

void CFoLayoutImport::ImportKan(CQVXMLNode* pFo, CQVXMLNode* pTarget, BOOL bHyphen) {
  auto* kan = AppendImported(pTarget, new CEditKan);
  kan->m_bHyphen = bHyphen;
  CopyContainerProps(kan, pFo);
  kan->CreateEmptyParts(bHyphen);
  if (auto* right = kan->GetRightKanaBox()) {
    ImportKana(pFo->GetChildAt(0), right);
    right->m_bAlignEnd = 1;
  }
  if (auto* left = kan->GetLeftKanaBox()) ImportKana(pFo->GetChildAt(2), left);
  CQVXMLNode* parts = pFo->GetChildAt(1);
  int next = 0;
  auto take = [&]() { return parts ? parts->GetChildAt(next++) : nullptr; };
  FillKanBox(take(), kan->GetOpenBracketBox(), FALSE);
  FillKanBox(take(), kan->GetKanjiBox(), FALSE);
  if (bHyphen) {
    if (CQVXMLNode* mark = take()) kan->m_HyphenMark.CopyPropsFromFo(dynamic_cast<CFoNode*>(mark));
  } else {
    FillKanBox(take(), kan->GetPunctuationBox(), TRUE);
  }
  FillKanBox(take(), kan->GetKaeritenBox(), TRUE);
  if (!bHyphen) FillKanBox(take(), kan->GetCloseBracketBox(), FALSE);
  kan->LockParts(TRUE);
}

// One kana line per child of the source; a missing source leaves the box with its line end.
void CFoLayoutImport::ImportKana(CQVXMLNode* pSource, CEditNode* pBox) {
  if (!pBox) return;
  EmptyBox(pBox);
  for (int line = 0; pSource && line < pSource->GetChildCount(); ++line) {
    CQVXMLNode* lineNode = pSource->GetChildAt(line);
    for (CQVXMLNode* run : lineNode->m_arrChildren) ImportCharacters<CEditKanChar>(run, run->m_strText, pBox);
    CQVXMLNode* last = lineNode->GetChildCount() > 0 ? lineNode->GetLastChild() : lineNode;
    AppendImported(pBox, new CEditKanCR)->CopyPropsFromFo(dynamic_cast<CFoNode*>(last));
  }
  if (pBox->GetChildCount() == 0) AppendImported(pBox, new CEditKanCR);
}

// The marks of the punctuation and kaeriten boxes sit on the baseline.
void CFoLayoutImport::FillKanBox(CQVXMLNode* pSource, CEditNode* pBox, BOOL bNoShift) {
  if (!pBox) return;
  EmptyBox(pBox);
  if (pSource) ImportCharacters<CEditKanChar>(pSource, pSource->m_strText, pBox);
  auto* lineEnd = AppendImported(pBox, new CEditKanCR);
  if (pSource) lineEnd->CopyPropsFromFo(dynamic_cast<CFoNode*>(pSource));
  if (!bNoShift) return;
  for (int i = 0; i < pBox->GetChildCount(); ++i)
    if (CEditNode* node = pBox->GetEditChildAt(i)) node->m_nBaselineShift = 0;
}

// A visible points node is a caret stop; one whose show flag is 0 is hidden and skipped.
void CFoLayoutImport::ImportPoints(CQVXMLNode* pHai, CQVXMLNode* pTarget) {
  auto* record = dynamic_cast<CMondaiHai*>(pHai);
  if (!record) return;
  if (pTarget->m_nType == NTYPE_EDITSENTENCE) static_cast<CEditSentence*>(pTarget)->m_haiten = record->m_haiten;
  auto points = std::make_unique<CEditHaiten>();
  points->m_haiten = record->m_haiten;
  if (record->m_haiten.m_bVisible == 0) {
    points->m_bHidden = 2;
    points->m_bCaretStop = 0;
  }
  AppendImported(pTarget, points.release());
}

// A picture that does not load, or whose name is refused, stays an empty image node and is
// reported; one that names no file is empty without a word.
void CFoLayoutImport::ImportGraphic(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  auto* element = dynamic_cast<CFoExternalGraphic*>(pFo);
  auto* picture = AppendImported(pTarget, new CEditGraphic);
  if (!element) return;
  const CStringW path = SideFilePath(element->m_strSource.c_str());
  if (path.IsEmpty() && !element->m_strSource.empty()) {
    WarnSideFile(CFileException(CFileException::accessDenied, element->m_strSource),
                 CStringW(element->m_strSource.c_str()));
  } else if (!path.IsEmpty()) {
    CCoordMapper mapper;
    mapper.SetFromDC(nullptr, 100);
    const std::string local = LocalPath(path);
    if (!picture->LoadFile(local, &mapper))
      WarnSideFile(CFileException(Exists(local) ? CFileException::generic : CFileException::fileNotFound, local), path);
    m_pRoot->AddExtractedFile(local.c_str());
  }
  if (element->m_dimensionProps.m_nAreaWidth > 0) picture->m_nWidth = element->m_dimensionProps.m_nAreaWidth;
  if (element->m_dimensionProps.m_nAreaHeight > 0) picture->m_nHeight = element->m_dimensionProps.m_nAreaHeight;
}
