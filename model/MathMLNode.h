#pragma once
// Base of the MathML element classes, and the class of mstyle. The groups hold the
// formatting that the MathML attributes express.

#include "model/BlockLineRelatedProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/CharacterProperties.h"
#include "model/ColorRelatedProperties.h"
#include "model/FDraw.h"
#include "model/FontProperties.h"
#include "model/KasenRenbanProperties.h"
#include "model/QVXMLNode.h"

class CMathMLNode : public CQVXMLNode, public CFDraw {
 public:
  explicit CMathMLNode(DWORD nCode) : CQVXMLNode(nCode) {}

  CFontProperties m_fontProps;                       // mathfamily, mathsize, mathvariant
  CColorRelatedProperties m_colorProps;              // mathcolor
  CBorderPaddingBackgroundProperties m_borderProps;  // background, table frame, side line
  CCharacterProperties m_charProps;                  // underline style and width
  CBlockLineRelatedProperties m_lineProps;           // column alignment of a table
  CKasenRenbanProperties m_kasenProps;               // running number of a side line
};
