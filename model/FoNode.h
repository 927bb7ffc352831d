#pragma once
// Base of every XSL-FO element class.

#include "model/FDraw.h"
#include "model/XslNode.h"

class CFoNode : public CXslNode, public CFDraw {
 public:
  explicit CFoNode(DWORD nCode) : CXslNode(nCode) {}

  int m_nFoReserved = 0;  // kept zero; nothing reads it
};
