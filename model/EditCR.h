#pragma once
// The line end: closes a paragraph, carries its spacing and alignment, and shows "↓" on screen.

#include "model/BlockLineRelatedProperties.h"
#include "model/EditChar.h"

class CEditCR : public CEditChar, public CBlockLineRelatedProperties {
  DECLARE_SERIAL(CEditCR)

 public:
  CEditCR();
  ~CEditCR() override;

  void Serialize(CArchive& ar) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  const CBlockLineRelatedProperties* GetLineProperties() const override { return this; }

  // Alignment 0 to 4; recorded with a group. The containers read it when they arrange.
  void SetTextAlign(int nAlign, CUndoGroup* pUndo);
  void CopyLinePropsFromFo(const CFoNode* pFo);
  void CopyLinePropsToFo(CFoNode* pFo) const;

 protected:
  explicit CEditCR(DWORD nType);

 private:
  void DrawLineEndMark(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam);
};
