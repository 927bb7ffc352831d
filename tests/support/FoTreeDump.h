#pragma once
// A line per node of an XML object-model tree: its element name, attributes and text,
// indented by depth, for comparing built or read FO trees with expected text.

#include <QString>
#include <string>

#include "model/QVXMLNode.h"
#include "model/XmlElementTable.h"

inline std::string FoUtf8(const CStringW& text) { return QString::fromStdU16String(text.str()).toStdString(); }

inline void DumpFoTree(const CQVXMLNode& node, std::string& out, int depth = 0) {
  out += std::string(2 * depth, ' ');
  CStringW name = ElementNameFromCode(int(node.m_nType));
  out += name.IsEmpty() ? "?" : FoUtf8(name);
  for (const auto& [key, value] : node.m_mapAttributes) out += " " + FoUtf8(key) + "=" + FoUtf8(value);
  if (!node.m_strText.IsEmpty()) out += " '" + FoUtf8(node.m_strText) + "'";
  out += "\n";
  for (const CQVXMLNode* child : node.m_arrChildren) DumpFoTree(*child, out, depth + 1);
}

inline std::string DumpFoTree(const CQVXMLNode* node) {
  std::string out;
  if (node) DumpFoTree(*node, out);
  return out;
}
