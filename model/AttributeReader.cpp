#include "model/AttributeReader.h"

#include "model/AttributeRules.h"

void SetAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value) {
  if (!node) return;
  node->m_mapAttributes[name] = value;
  switch (node->m_nType & 0xF00) {
    case 0x100: return ApplyMondaiAttribute(node, name, value);
    case 0x200: return ApplyMathMLAttribute(node, name, value);
    case 0x400: return ApplyXslAttribute(node, name, value);
    case 0xC00: return ApplyFoAttribute(node, name, value);
    default: return;
  }
}
