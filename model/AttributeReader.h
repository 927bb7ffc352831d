#pragma once
// Where the attribute values of an XML document enter the object model.

#include "model/QVXMLNode.h"

// Records name -> value in the node's attribute map, then parses the attributes that the
// node's element knows into its members. Values that do not parse never fail: they leave
// the member alone or give the rule's value for other text (0 for numbers and lengths).
void SetAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value);
