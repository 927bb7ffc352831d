#pragma once
// fo:block-container: one page-level block of the sheet; m_nBlockKind tells a text box
// (BK_GAI) or a page break (BK_KAIPAGE).

#include "model/BlockLineRelatedProperties.h"
#include "model/BlockMarginProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/FoNode.h"

class CFoBlockContainer : public CFoNode {
 public:
  enum { BreakAfterPage = 2, VisibilityCollapse = 2 };

  CFoBlockContainer();
  ~CFoBlockContainer() override;

  // Kept at their defaults; no operation fills them.
  CBlockMarginProperties m_marginProps;
  CBorderPaddingBackgroundProperties m_borderProps;
  CBlockMarginProperties m_secondMarginProps;
  CBlockLineRelatedProperties m_lineProps;

  int m_nBreakAfter = 0;  // BreakAfterPage when a page break follows
  int m_nVisibility = 0;  // VisibilityCollapse when the block is hidden
  int m_nWidth = 0;       // 0.01 mm; 0 when not given
  int m_nHeight = 0;
};
