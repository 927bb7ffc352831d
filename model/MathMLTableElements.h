#pragma once
// The MathML table classes; each only sets its code, so the family shares this file.

#include "model/MathMLLayoutElements.h"
#include "model/MathMLNode.h"
#include "model/XmlElementTable.h"

// Its columns are centred unless "columnalign" says otherwise.
class CMathMLTable : public CMathMLNode {
 public:
  CMathMLTable() : CMathMLNode(XE_MTABLE) {
    m_lineProps.m_nTextAlign = CBlockLineRelatedProperties::AlignCenter;
  }
};

class CMathMLTr : public CMathMLNode {
 public:
  CMathMLTr() : CMathMLNode(XE_MTR) {}
};

class CMathMLTd : public CMathMLRow {
 public:
  CMathMLTd() : CMathMLRow(XE_MTD) {}
};
