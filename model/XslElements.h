#pragma once
// The XSLT element classes. Only xsl:apply-templates holds members of its own; the others
// merely set their code, so the family shares this file.

#include "model/XmlElementTable.h"
#include "model/XslNode.h"

class CXslStylesheet : public CXslNode {
 public:
  CXslStylesheet() : CXslNode(XE_XSL_STYLESHEET) {}
};

class CXslTemplate : public CXslNode {
 public:
  CXslTemplate() : CXslNode(XE_XSL_TEMPLATE) {}
};

// A template call standing for one part of the sheet.
class CXslApplyTemplates : public CXslNode {
 public:
  enum PartKind { PartDai = 1, PartRan = 2, PartKai = 3, PartSetsu = 4, PartGai = 5 };

  CXslApplyTemplates() : CXslNode(XE_XSL_APPLY_TEMPLATES) {}

  int m_nPartType = 0;  // type word of the part's element: sentence or text box
  int m_nMajor = 0;     // question numbers of a sentence; minor 0 for the major's own body
  int m_nMinor = 0;
  int m_nPartKind = 0;  // a PartKind
};

class CXslValueOf : public CXslNode {
 public:
  CXslValueOf() : CXslNode(XE_XSL_VALUE_OF) {}
};

class CXslCopyOf : public CXslNode {
 public:
  CXslCopyOf() : CXslNode(XE_XSL_COPY_OF) {}
};
