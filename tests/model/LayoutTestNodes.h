#pragma once
// Nodes of a fixed size for layout tests, so that line breaking follows from plain numbers.

#include "model/EditContainer.h"

// An element that measures to a given size and remembers where it was arranged.
class CSizedNode : public CEditNode {
 public:
  CSizedNode(int width, int height, int ascent, int center) : CEditNode(0x00001FF0) {
    m_nWidth = width;
    m_nHeight = height;
    m_nAscent = ascent;
    m_nCenter = center;
  }
  void Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) override {}
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int) override {
    m_arranged = *pParam;
    m_rcInk = RECT{pParam->nX, pParam->nY, pParam->nX + m_nWidth, pParam->nY + m_nHeight};
  }
  EDIT_LAYOUT_PARAM m_arranged{};
};

// A floating frame: recognised by its type word, placed by its side.
class CTestFloat : public CEditContainer {
 public:
  CTestFloat(int side, int width, int height) : CEditContainer(NTYPE_EDITFLOAT), m_nSide(side) {
    m_nFixedWidth = width;
    m_nFixedHeight = height;
  }
  int GetFloatSide() const override { return m_nSide; }
  void Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) override {
    m_nWidth = m_nFixedWidth;
    m_nHeight = m_nFixedHeight;
  }
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int) override { m_arranged = *pParam; }
  EDIT_LAYOUT_PARAM m_arranged{};

 private:
  int m_nSide;
  int m_nFixedWidth;
  int m_nFixedHeight;
};
