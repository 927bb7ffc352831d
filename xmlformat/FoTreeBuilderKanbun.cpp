#include "elements/EditKan.h"
#include "elements/EditKunten.h"
#include "elements/EditOkurigana.h"
#include "model/FoFlowElements.h"
#include "xmlformat/FoBuildFailure.h"
#include "xmlformat/FoTreeBuilder.h"

namespace {

// The inline of one mark box: the format of its first child and its text up to its line end.
CFoInline* AppendMarkInline(CFoBlock* pBlock, const CEditNode* pBox) {
  auto* run = AppendNew<CFoInline>(pBlock);
  if (!pBox || pBox->GetChildCount() == 0) return run;
  CStringW text;
  for (int i = 0; i < pBox->GetChildCount(); ++i) {
    CQVXMLNode* child = pBox->GetChildAt(i);
    if (!child) FailBuild(u"a container holds a null child");
    if (child->m_nType & NT_LINEBREAK) break;
    text += child->m_strText;
  }
  run->SetText(text);
  CastOrFail<CEditChar>(pBox->GetChildAt(0), u"a kanbun character")->CopyPropsToFo(run);
  return run;
}

}  // namespace

BOOL CFoTreeBuilder::BuildFoKan(CEditKan* pKan, CFoInlineContainer* pContainer) {
  return Guard([&] { ConvertKan(pKan, pContainer); });
}

void CFoTreeBuilder::ConvertKan(CEditKan* pKan, CFoInlineContainer* pContainer) {
  if (!pKan || !pContainer) FailBuild(u"nothing to convert");
  pContainer->m_borderProps.Copy(*pKan);
  pContainer->m_kasenProps.Copy(*pKan);
  pContainer->m_nBlockKind = pKan->m_bHyphen ? BK_KANB : BK_KANA;
  auto* rightKana = AppendNew<CFoBlock>(pContainer);
  if (CEditOkurigana* box = pKan->GetRightKanaBox()) ConvertChildren(box, rightKana);
  auto* marks = AppendNew<CFoBlock>(pContainer);
  AppendMarkInline(marks, pKan->GetOpenBracketBox());
  AppendMarkInline(marks, pKan->GetKanjiBox());
  if (pKan->m_bHyphen) {
    auto* hyphen = AppendNew<CFoInline>(marks);
    hyphen->SetText(pKan->m_HyphenMark.m_strText);
    pKan->m_HyphenMark.CopyPropsToFo(hyphen);
    hyphen->m_alignmentProps.m_nBaselineShift = CAreaAlignmentProperties::ShiftSuper;
  } else {
    AppendMarkInline(marks, pKan->GetPunctuationBox());
  }
  CEditKunten* kaeritenBox = pKan->GetKaeritenBox();
  CFoInline* kaeriten = AppendMarkInline(marks, kaeritenBox);
  if (kaeritenBox) {
    kaeriten->m_alignmentProps.m_nBaselineShift = CAreaAlignmentProperties::ShiftSub;
    kaeriten->m_charProps.m_nLetterSpacing = -kaeritenBox->m_nWidth;
  }
  if (!pKan->m_bHyphen) AppendMarkInline(marks, pKan->GetCloseBracketBox());
  auto* leftKana = AppendNew<CFoBlock>(pContainer);
  if (CEditOkurigana* box = pKan->GetLeftKanaBox()) ConvertChildren(box, leftKana);
}
