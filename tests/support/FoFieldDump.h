#pragma once
// A line per node of an FO, question-data or MathML tree: the element name, the fields that
// the edit-tree conversion sets where they differ from their defaults, and the text, indented
// by depth. Built trees are compared with expected text.

#include <string>

class CQVXMLNode;

std::string DumpFoFields(const CQVXMLNode* pRoot);
