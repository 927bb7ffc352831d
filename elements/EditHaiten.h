#pragma once
// The points of a question shown in its text, such as （各2点×5＝10点）: a character whose
// text is built from its points record at every measure, drawn in a colour of its own.

#include "model/EditChar.h"
#include "model/HaitenInfo.h"

class CEditHaiten : public CEditChar {
  DECLARE_SERIAL(CEditHaiten)

 public:
  CEditHaiten();
  ~CEditHaiten() override;

  // A fresh character in 10.5-point proportional Gothic and a fresh points record.
  void Reset();
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // Not archived: the sheet XML carries it.
  HAITEN_INFO m_haiten;

 private:
  // The points text for the record, with full-width digits in vertical writing.
  CStringW BuildText(BOOL bVertical);
  BOOL IsInMajorQuestion();
};
