#pragma once
// A paragraph-level part of the sheet (question, answer field, answer, explanation): breaks its
// children into lines with a hanging indent after the question number, line-start prohibition,
// word wrap, justification and floats, and cuts itself into one box per page-column piece.

#include <vector>

#include "elements/MondaiInfo.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "model/HaitenInfo.h"
#include "model/MeasureRecord.h"

class CEditBox;
class CFoBlockContainer;
class CQuestionSheet;

class CEditSentence : public CEditContainer {
  DECLARE_SERIAL(CEditSentence)

 public:
  enum Kind { KindQuestion = 1, KindAnswerField = 2, KindAnswer = 3, KindExplanation = 4 };

  CEditSentence();
  ~CEditSentence() override;

  void AppendLineBreak();
  void CopyPropsFromFo(const CFoBlockContainer* pFo);
  void CopyPropsToFo(CFoBlockContainer* pFo) const;
  BOOL HasContent() const;

  void UpdateKindLabel(CEditChar* pLabel, CCoordMapper* pMapper) const;
  void NumberKasen();
  // Fills the line from its children nFirst..nLast and stamps them; nothing without both.
  void ComputeLineMetrics(EDIT_LINE_INFO* pLine, int nWidth, int nSpacing, int nBox, int nLine);

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // The child of the neighbouring line under the node (its ink left with the caret's kept x,
  // else the line's last child); the node itself when there is no such line.
  virtual CEditNode* GetNodeOnPrevLine(CEditNode* pNode, CEditCaret* pCaret);
  virtual CEditNode* GetNodeOnNextLine(CEditNode* pNode, CEditCaret* pCaret);

  int m_nMajor = 0;
  int m_nMinor = 0;  // 0: a part of the major question itself
  int m_nKind = 0;
  std::vector<CEditSentence*> m_listParts;  // not owned
  CEditChar m_label;
  HAITEN_INFO m_haiten;
  CMondaiInfo m_mondaiInfo;
  int m_nSharedIndent = 0;  // width of the question number of the question's kind-1 part

 private:
  struct LINE_BREAKER;
  struct LINE_PLACER;

  // The children as editor nodes (null for any other), cast once per layout pass.
  std::vector<CEditNode*> EditChildren() const;
  void ComputeLineMetrics(const std::vector<CEditNode*>& children, EDIT_LINE_INFO& line, int nWidth, int nSpacing,
                          int nBox, int nLine);
  void NumberKasen(const std::vector<CEditNode*>& children);
  void PrepareChildren(const std::vector<CEditNode*>& children);
  BOOL HidesQuestionNumbers() const;
  MEASURE_INPUTS MeasureInputs(const CCoordMapper* pMapper) const;
  // Keeps the boxes of the last measuring when nothing it read has changed since.
  BOOL KeepsMeasure(CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM& param);
  void SetRunFlags(const std::vector<CEditNode*>& children);
  CQuestionSheet* GetSheet() const;
  void ShareIndentWithParts();
  void PlaceBox(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int bVertical);
  void ArrangeLabel(const EDIT_LAYOUT_PARAM& param, int bVertical);
  void DrawKindLabel(CDC* pDC, CCoordMapper* pMapper);
  // Every box, or only box nOnlyBox when it is 0 or more.
  void DrawBoxOutlines(CDC* pDC, CCoordMapper* pMapper, int nOnlyBox);
  CEditNode* NodeOnLine(CEditNode* pNode, CEditCaret* pCaret, int nStep);
  CEditNode* HitLineEnds(const CEditBox& box, int x, int y, int* pAfter);

  CMeasureRecord m_measureRecord;
};

