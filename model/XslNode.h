#pragma once
// Base of the XSLT elements and, through CFoNode, of every XSL-FO element.

#include "model/QVXMLNode.h"

class CXslNode : public CQVXMLNode {
 public:
  explicit CXslNode(DWORD nCode) : CQVXMLNode(nCode) {}
  ~CXslNode() override;

  int m_nXslReserved = 0;     // kept zero; nothing reads it
  CStringW m_strXslReserved;  // kept empty; nothing reads it
  CStringW m_strSelect;       // select expression of xsl:apply-templates
};
