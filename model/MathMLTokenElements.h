#pragma once
// The MathML math root and token classes; they start in the formula face at 10.5 points.

#include "model/MathMLNode.h"
#include "model/XmlElementTable.h"

class CMathMLMath : public CMathMLNode {
 public:
  CMathMLMath();
};

// mi, mn or mtext by the code it is created with; the token text is the node's text.
class CMathMLToken : public CMathMLNode {
 public:
  explicit CMathMLToken(DWORD nCode);

  FDRAW_EXT m_extDraw;         // stays zero
  FDrawExtArray m_arrExtDraw;  // stays empty
};

class CMathMLOperator : public CMathMLToken {
 public:
  CMathMLOperator() : CMathMLToken(XE_MO) {}

  int m_nStretchy = 0;       // non-zero when the operator stretches
  int m_anReserved[6] = {};  // nothing reads them
};

class CMathMLStringToken : public CMathMLToken {
 public:
  CMathMLStringToken() : CMathMLToken(XE_MS) {}
};
