#pragma once
// A node whose children are laid out in lines, written into layout boxes; the base of every
// container class.

#include <vector>

#include "model/BlockLineRelatedProperties.h"
#include "model/BlockMarginProperties.h"
#include "model/EditNode.h"

class CEditBox;
struct EDIT_LINE_INFO;

class CEditContainer : public CEditNode, public CBlockMarginProperties, public CBlockLineRelatedProperties {
  DECLARE_SERIAL(CEditContainer)

 public:
  CEditContainer();
  explicit CEditContainer(DWORD nType);
  ~CEditContainer() override;

  void Serialize(CArchive& ar) override;

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  CEditNode* GetFirstCaretChild() override;
  const CBlockLineRelatedProperties* GetLineProperties() const override { return this; }

  virtual CEditNode* FindLineBreakFrom(CEditNode* pChild);
  virtual CEditNode* GetFirstLineBreak();
  virtual void DrawUnderline(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast);
  virtual void DrawLineThrough(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast);
  virtual void DrawRunBorder(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast);
  virtual void DrawKasenNumber(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast);
  virtual void DrawBorderAfter(CDC* pDC, CCoordMapper* pMapper);
  virtual void DrawBorderBefore(CDC* pDC, CCoordMapper* pMapper);

  void RemoveAllBoxes();
  // Clears the measured extents and the boxes; FALSE for a hidden container, which keeps none.
  BOOL StartMeasure();
  int GetBoxCount() const { return int(m_arrBoxes.size()); }
  CEditBox* GetBox(int index) const;

  // The side of a floating frame: 1 left, 2 right, else placed where it stands.
  virtual int GetFloatSide() const { return 0; }

  std::vector<CEditBox*> m_arrBoxes;  // owned

 protected:
  // Measures every child once, sharing one font along runs of plain characters.
  void MeasureChildren(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM& param);

 private:
  struct LINE_PLACER;

  void LoadBoxes(CArchive& ar);
  void BreakLines(CEditBox& box, const EDIT_LAYOUT_PARAM& param);
  void ComputeOwnSize(const CEditBox& box, int nFloatBottom, BOOL bSideFloat, const EDIT_LAYOUT_PARAM& param);
  void PlaceChildren(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int bVertical);
  CEditNode* LineBreakAtOrAfter(int index) const;

  using Painter = void (CEditContainer::*)(CDC*, CCoordMapper*, CEditNode*, CEditNode*);
  struct RUN_PASS;

  void DrawBackgrounds(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam);
  void DrawChildren(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam);
  void DrawDecorationRuns(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam);
  void RunPass(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam, int kind, Painter painter);
  BOOL TakesPart(const CEditNode* pChild, const EDIT_LAYOUT_PARAM* pParam) const;
  CEditNode* LastTakingPart(const EDIT_LAYOUT_PARAM* pParam) const;
};

// The label of the numbered run that starts at the node, by its numbering style.
void FormatRunNumber(const CEditNode& first, CStringW& text);
