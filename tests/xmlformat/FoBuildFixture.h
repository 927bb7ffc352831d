#pragma once
// Small edit trees for the FO builder, and the dump of what it builds.

#include <gtest/gtest.h>

#include <memory>

#include "elements/EditDmonno.h"
#include "elements/EditMonno.h"
#include "elements/EditFloat.h"
#include "elements/EditGai.h"
#include "elements/EditKaiPage.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "math/EditMath.h"
#include "math/EditMathCR.h"
#include "math/EditMathChar.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "tests/support/FoFieldDump.h"
#include "tests/support/StringWPrint.h"
#include "xmlformat/FoTreeBuilder.h"

template <class T>
T* AddNode(CQVXMLNode* parent, T* node) {
  parent->AppendChild(node);
  return node;
}

// Characters of the text in one face ("A" or "B" tell two formats apart).
inline void AddText(CQVXMLNode* parent, const char16_t* text, const char* face = "A") {
  for (; *text; ++text) {
    auto* ch = AddNode(parent, new CEditChar(*text));
    CopyFaceName(ch->m_lf.lfFaceName, face);
  }
}

inline CEditCR* AddLineEnd(CQVXMLNode* parent, const char* face = "A") {
  auto* lineEnd = AddNode(parent, new CEditCR());
  CopyFaceName(lineEnd->m_lf.lfFaceName, face);
  return lineEnd;
}

inline CEditMath* AddFormula(CQVXMLNode* parent, const char16_t* text) {
  auto* formula = AddNode(parent, new CEditMath());
  for (; *text; ++text) AddNode(formula, new CEditMathChar(*text));
  AddNode(formula, new CEditMathCR());
  return formula;
}

class FoBuildTest : public ::testing::Test {
 protected:
  // Builds the children of the container into a block container and dumps it.
  std::string Build(CEditNode* container) {
    CFoBlockContainer root;
    CFoTreeBuilder builder(&m_print);
    EXPECT_TRUE(builder.BuildFoTree(container, &root)) 
        << ::testing::PrintToString(builder.GetError());
    return DumpFoFields(&root);
  }

  CEditSentence* NewSentence() { return AddNode(&m_print, new CEditSentence()); }

  CEditPrint m_print;
};
