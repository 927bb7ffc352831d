#pragma once
// The rule tables of the attribute reader: per element class, the attributes it knows and
// how each value enters the node.

#include <cstddef>

#include "model/QVXMLNode.h"

template <class Node>
struct ATTRIBUTE_RULE {
  const char16_t* pszName;
  void (*pfnApply)(Node& node, const CStringW& value);
};

// Applies the first rule of the table named `name` when the node is of the table's class.
// FALSE when no rule applied.
template <class Node, size_t Count>
BOOL ApplyAttributeRule(const ATTRIBUTE_RULE<Node> (&rules)[Count], CQVXMLNode* node, const CStringW& name,
                        const CStringW& value) {
  Node* typed = dynamic_cast<Node*>(node);
  if (!typed) return FALSE;
  for (const ATTRIBUTE_RULE<Node>& rule : rules) {
    if (name == rule.pszName) {
      rule.pfnApply(*typed, value);
      return TRUE;
    }
  }
  return FALSE;
}

// The rules of each element family, dispatched on the node's element code.
void ApplyMondaiAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value);
void ApplyXslAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value);
void ApplyFoAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value);
void ApplyMathMLAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value);
