#pragma once
// A numbered underline: its content on one line, a small number label beside it across the
// line, and a thin rule between the two (the label below in horizontal writing, before the
// content in vertical writing).

#include "model/EditChar.h"
#include "model/EditContainer.h"

struct EDIT_LINE_INFO;

class CEditKasen : public CEditContainer {
  DECLARE_SERIAL(CEditKasen)

 public:
  CEditKasen();
  ~CEditKasen() override;

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // Neither is archived: a loaded element shows 1.
  int m_nNumber = 1;
  CEditChar m_Label;

 private:
  void PrepareLabel(BOOL bVertical);
  void ArrangeLabel(int x, int top, int bVertical);
  void PlaceFirstLine(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int y0, int bVertical);
  void DrawRule(CDC* pDC, CCoordMapper* pMapper);
  CEditNode* HitLineEdges(const CEditBox& box, int x, int y, int* pAfter) const;
};
