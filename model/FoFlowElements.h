#pragma once
// The XSL-FO classes of the flow's content: lines, runs, special inline blocks, floats,
// pictures and formula islands. Each only sets its code and the initial values of its
// members, so the family shares this file.

#include <string>

#include "model/AreaAlignmentProperties.h"
#include "model/AreaDimensionProperties.h"
#include "model/BlockLineRelatedProperties.h"
#include "model/BlockMarginProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/CharacterProperties.h"
#include "model/ColorRelatedProperties.h"
#include "model/FoNode.h"
#include "model/FontProperties.h"
#include "model/InlineMarginProperties.h"
#include "model/KasenRenbanProperties.h"
#include "model/XmlElementTable.h"

// The format of one line of the sheet.
class CFoBlock : public CFoNode {
 public:
  CFoBlock() : CFoNode(XE_FO_BLOCK) {}

  CFontProperties m_fontProps;
  CColorRelatedProperties m_colorProps;
  CBorderPaddingBackgroundProperties m_borderProps;
  CBlockMarginProperties m_marginProps;
  CBlockLineRelatedProperties m_lineProps;
  CCharacterProperties m_charProps;
  FDrawLineArray m_arrLineDraw;  // stays empty
};

// The dimension group carries the editor float's first value unchanged and the side.
class CFoFloat : public CFoNode {
 public:
  enum Side { SideNone = 0, SideLeft = 1, SideRight = 2 };

  CFoFloat() : CFoNode(XE_FO_FLOAT) {}

  CAreaDimensionProperties m_dimensionProps;  // m_nAreaHeight holds the Side
};

// Ruby, in-text answer, kanbun or numbered underline, told by m_nBlockKind.
class CFoInlineContainer : public CFoNode {
 public:
  CFoInlineContainer() : CFoNode(XE_FO_INLINE_CONTAINER) {}

  CBorderPaddingBackgroundProperties m_borderProps;  // before and after borders
  CInlineMarginProperties m_inlineMarginProps;
  CKasenRenbanProperties m_kasenProps;  // running number of a numbered underline
  int m_anReserved[2] = {-1, -1};       // nothing reads them
};

// The format of one run of characters.
class CFoInline : public CFoNode {
 public:
  CFoInline() : CFoNode(XE_FO_INLINE) {}

  CFontProperties m_fontProps;
  CColorRelatedProperties m_colorProps;
  CBorderPaddingBackgroundProperties m_borderProps;
  CInlineMarginProperties m_inlineMarginProps;
  CAreaAlignmentProperties m_alignmentProps;  // baseline shift
  CCharacterProperties m_charProps;
  CKasenRenbanProperties m_kasenProps;
  FDRAW_EXT m_extDraw;         // stays zero
  FDrawExtArray m_arrExtDraw;  // stays empty
};

// Holds a MathML island as its child.
class CFoInstreamForeignObject : public CFoNode {
 public:
  CFoInstreamForeignObject() : CFoNode(XE_FO_INSTREAM_FOREIGN_OBJECT) {}

  int m_anReserved[2] = {-1, -1};             // nothing reads them
  CAreaDimensionProperties m_dimensionProps;  // nothing fills it
};

class CFoExternalGraphic : public CFoNode {
 public:
  CFoExternalGraphic() : CFoNode(XE_FO_EXTERNAL_GRAPHIC) {}

  CAreaDimensionProperties m_dimensionProps;  // width and height of the picture, 0.01 mm
  std::string m_strSource;                    // ANSI file name of the picture
  int m_anReserved[2] = {-1, -1};             // nothing reads them
};

// Line spacing and letter spacing (m_charProps.m_nLetterSpacing) of the block it stands in.
class CFoInitialPropertySet : public CFoNode {
 public:
  CFoInitialPropertySet() : CFoNode(XE_FO_INITIAL_PROPERTY_SET) {}

  CBlockLineRelatedProperties m_lineProps;
  CCharacterProperties m_charProps;
};
