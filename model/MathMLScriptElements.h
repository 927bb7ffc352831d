#pragma once
// The MathML script classes. Those created for several codes keep the code they were
// created with; each only sets its code, so the family shares this file.

#include "model/MathMLNode.h"
#include "model/XmlElementTable.h"

// msub, msup or msubsup.
class CMathMLScript : public CMathMLNode {
 public:
  explicit CMathMLScript(DWORD nCode) : CMathMLNode(nCode) {}
};

// munder, mover or munderover.
class CMathMLUnderOver : public CMathMLNode {
 public:
  explicit CMathMLUnderOver(DWORD nCode) : CMathMLNode(nCode) {}
};

class CMathMLMultiscripts : public CMathMLNode {
 public:
  CMathMLMultiscripts() : CMathMLNode(XE_MMULTISCRIPTS) {}
};

class CMathMLPrescripts : public CMathMLNode {
 public:
  CMathMLPrescripts() : CMathMLNode(XE_MPRESCRIPTS) {}
};

// An empty script place.
class CMathMLNone : public CMathMLNode {
 public:
  CMathMLNone() : CMathMLNode(XE_MNONE) {}
};
