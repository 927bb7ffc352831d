#pragma once
// The MathML classes of rows, fractions, radicals, fences and enclosures. Each only sets
// its code and the initial values of its members, so the family shares this file.

#include <string>

#include "model/MathMLNode.h"
#include "model/XmlElementTable.h"

// mrow; also the base of mtd, menclose and mfenced.
class CMathMLRow : public CMathMLNode {
 public:
  explicit CMathMLRow(DWORD nCode) : CMathMLNode(nCode) {}
};

class CMathMLFrac : public CMathMLNode {
 public:
  CMathMLFrac() : CMathMLNode(XE_MFRAC) {}

  int m_bBevelled = 0;      // 1: numerator and denominator side by side
  int m_nFracReserved = 0;  // nothing reads it
};

// msqrt or mroot by the code it is created with.
class CMathMLRadical : public CMathMLNode {
 public:
  explicit CMathMLRadical(DWORD nCode) : CMathMLNode(nCode) {}
};

class CMathMLFenced : public CMathMLRow {
 public:
  CMathMLFenced() : CMathMLRow(XE_MFENCED) {}

  CStringW m_strOpen = u"(";
  CStringW m_strClose = u")";
  FDRAW_EXT m_aExtDraw[2];  // stay zero
};

// Long division is the only enclosure; the notation never travels through XML.
class CMathMLEnclose : public CMathMLRow {
 public:
  CMathMLEnclose() : CMathMLRow(XE_MENCLOSE) {}

  std::string m_strNotation = "longdiv";
  FDRAW_EXT m_extDraw;  // stays zero
};
