#pragma once
// A floating frame: a container inside a sentence, taken out of the line flow and put at the
// left or right edge of its parent, the lines beside it being narrowed.

#include "model/AreaDimensionProperties.h"
#include "model/EditContainer.h"

class CQVXMLNode;

class CEditFloat : public CEditContainer {
  DECLARE_SERIAL(CEditFloat)

 public:
  CEditFloat();

  void Serialize(CArchive& ar) override;
  CEditNode* MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) override;
  // 1 left, 2 right, else placed where it stands in the line.
  int GetFloatSide() const override { return m_floatDim.m_nAreaHeight; }

  // Only an fo:float takes part; any other node is left alone.
  void CopyFromFoFloat(CQVXMLNode* pNode);
  void CopyToFoFloat(CQVXMLNode* pNode) const;

  // The width slot travels with the XML and the archive; the height slot holds the side.
  CAreaDimensionProperties m_floatDim;
};
