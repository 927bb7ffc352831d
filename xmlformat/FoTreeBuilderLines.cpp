#include "elements/EditDmonno.h"
#include "elements/EditFloat.h"
#include "elements/EditHaiten.h"
#include "elements/EditKan.h"
#include "elements/EditMonno.h"
#include "elements/EditRuby.h"
#include "elements/EditTable.h"
#include "math/MathMLExport.h"
#include "model/EditCR.h"
#include "model/FoFlowElements.h"
#include "model/FoTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/MondaiElements.h"
#include "xmlformat/FoBuildFailure.h"
#include "xmlformat/FoTreeBuilder.h"

namespace {

// The context code of a formula inside an in-text answer.
constexpr int kAnswerContext = 2;

template <class N>
N* AppendInstream(CQVXMLNode* pBlock) {
  return AppendNew<N>(AppendNew<CFoInstreamForeignObject>(pBlock));
}

int NumberFormatOf(CEditNode* pNumber) {
  return CastOrFail<CEditQuestionNumber>(pNumber, u"a question number")->m_nFormat;
}

}  // namespace

void CFoTreeBuilder::ConvertChildren(CEditNode* pContainer, CQVXMLNode* pParent) {
  LINE_STATE state;
  for (int i = 0; i < pContainer->GetChildCount(); ++i) {
    CEditNode* child = pContainer->GetEditChildAt(i);
    if (!child) FailBuild(u"a container holds a null child");
    if (child->m_nType == NTYPE_EDITFLOAT) {
      // Text on either side of a float stays in one block and one run.
      ConvertFloat(child, pParent);
      continue;
    }
    if (state.bNeedBlock) {
      state.pBlock = AppendNew<CFoBlock>(pParent);
      state.bNeedBlock = FALSE;
    }
    if (!(child->m_nType & NT_CHARACTER)) {
      CloseRun(state);
      ConvertInline(child, state.pBlock);
    } else if (child->m_nType & NT_LINEBREAK) {
      EndLine(state, CastOrFail<CEditChar>(child, u"a character"));
    } else {
      AddCharacter(state, CastOrFail<CEditChar>(child, u"a character"));
    }
  }
  // A container that lacks its closing line end keeps its last run.
  CloseRun(state);
}

void CFoTreeBuilder::ConvertFloat(CEditNode* pFloat, CQVXMLNode* pParent) {
  auto* source = CastOrFail<CEditFloat>(pFloat, u"a float");
  auto* fo = AppendNew<CFoFloat>(pParent);
  source->CopyToFoFloat(fo);
  ConvertTree(pFloat, fo);
}

void CFoTreeBuilder::AddCharacter(LINE_STATE& state, CEditChar* pChar) {
  if (state.run.pFirst && state.run.pFirst->IsSameFormat(*pChar)) {
    state.run.text += pChar->m_strText;
    return;
  }
  CloseRun(state);
  state.run.pFirst = pChar;
  state.run.text = pChar->m_strText;
}

void CFoTreeBuilder::CloseRun(LINE_STATE& state) {
  if (!state.run.pFirst) return;
  auto* run = AppendNew<CFoInline>(state.pBlock);
  run->SetText(state.run.text);
  state.run.pFirst->CopyPropsToFo(run);
  state.run = RUN{};
}

void CFoTreeBuilder::EndLine(LINE_STATE& state, CEditChar* pLineEnd) {
  if (!state.run.pFirst) state.run.pFirst = pLineEnd;
  CloseRun(state);
  if (auto* lineEnd = dynamic_cast<CEditCR*>(pLineEnd)) lineEnd->CopyLinePropsToFo(state.pBlock);
  state.bNeedBlock = TRUE;
}

void CFoTreeBuilder::ConvertInline(CEditNode* pChild, CFoBlock* pBlock) {
  switch (pChild->m_nType) {
    case NTYPE_EDITDMONNO:
      AppendInstream<CMondaiDno>(pBlock)->m_nNumberFormat = NumberFormatOf(pChild);
      return;
    case NTYPE_EDITMONNO:
      AppendInstream<CMondaiNo>(pBlock)->m_nNumberFormat = NumberFormatOf(pChild);
      return;
    case NTYPE_EDITHAITEN:
      return ConvertPoints(pChild, pBlock);
    case NTYPE_EDITCYUKAI:
      return ConvertInlineContainer(pChild, BK_CYUKAI, pBlock);
    case NTYPE_EDITKASEN:
      return ConvertInlineContainer(pChild, BK_KASEN, pBlock);
    case NTYPE_EDITRUBY:
      return ConvertRuby(CastOrFail<CEditRuby>(pChild, u"a ruby"), AppendNew<CFoInlineContainer>(pBlock));
    case NTYPE_EDITGRAPHIC:
      return ConvertPicture(pChild, pBlock);
    case NTYPE_EDITKAN:
      return ConvertKan(CastOrFail<CEditKan>(pChild, u"a kanbun block"), AppendNew<CFoInlineContainer>(pBlock));
    case NTYPE_EDITOBJECT:
      return ConvertObject(pChild, pBlock);
    case NTYPE_EDITTABLE:
      return ConvertTable(CastOrFail<CEditTable>(pChild, u"a table"),
                          AppendNew<CFoTableAndCaption>(AppendNew<CFoInlineContainer>(pBlock)));
    default:
      if (pChild->m_nType & NT_MATH) ConvertFormula(pChild, pBlock);
      return;
  }
}

void CFoTreeBuilder::ConvertPoints(CEditNode* pPoints, CFoBlock* pBlock) {
  const HAITEN_INFO& points = CastOrFail<CEditHaiten>(pPoints, u"a points text")->m_haiten;
  if (points.m_nEach > 0 || points.m_nTotal > 0) AppendInstream<CMondaiHai>(pBlock)->m_haiten = points;
}

void CFoTreeBuilder::ConvertFormula(CEditNode* pFormula, CFoBlock* pBlock) {
  auto* math = AppendInstream<CMathMLMath>(pBlock);
  if (pFormula->m_nContext == kAnswerContext) math->m_nContext = kAnswerContext;
  ExportMathSlots(pFormula, math);
}

void CFoTreeBuilder::ConvertInlineContainer(CEditNode* pChild, int nBlockKind, CFoBlock* pBlock) {
  auto* container = AppendNew<CFoInlineContainer>(pBlock);
  container->m_nBlockKind = nBlockKind;
  ConvertChildren(pChild, container);
}

BOOL CFoTreeBuilder::BuildFoRuby(CEditRuby* pRuby, CFoInlineContainer* pContainer) {
  return Guard([&] { ConvertRuby(pRuby, pContainer); });
}

void CFoTreeBuilder::ConvertRuby(CEditRuby* pRuby, CFoInlineContainer* pContainer) {
  if (!pRuby || !pContainer) FailBuild(u"nothing to convert");
  pContainer->m_borderProps.Copy(*pRuby);
  pContainer->m_kasenProps.Copy(*pRuby);
  pContainer->m_nBlockKind = BK_RUBY;
  CEditNode* base = pRuby->GetEditChildAt(0);
  CEditNode* text = pRuby->GetEditChildAt(1);
  if (!base || !text) FailBuild(u"a ruby without its text or base");
  // The reading comes first.
  ConvertChildren(text, pContainer);
  ConvertChildren(base, pContainer);
}
