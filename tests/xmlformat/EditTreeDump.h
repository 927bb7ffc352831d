#pragma once
// A line per node of an edit tree, indented by depth; neighbouring plain characters share
// one line as "text a|b|c", so node boundaries show.

#include <string>

#include "elements/EditFloat.h"
#include "elements/EditQuestionNumber.h"
#include "elements/EditTable.h"
#include "model/EditChar.h"
#include "model/NodeTypes.h"
#include "tests/support/FoTreeDump.h"

inline std::string EditNodeLabel(const CQVXMLNode& node) {
  std::string label = node.GetRuntimeClass()->m_lpszClassName;
  if (node.m_nType & NT_LINEBREAK) label = "CR";
  if (auto* table = dynamic_cast<const CEditTable*>(&node))
    label += " " + std::to_string(table->m_nRows) + "x" + std::to_string(table->m_nCols);
  if (auto* frame = dynamic_cast<const CEditFloat*>(&node)) label += " side=" + std::to_string(frame->GetFloatSide());
  if (auto* number = dynamic_cast<const CEditQuestionNumber*>(&node)) label += " format=" + std::to_string(number->m_nFormat);
  if (auto* edit = dynamic_cast<const CEditNode*>(&node)) {
    if (edit->m_nBorderStyle) label += " border=" + std::to_string(edit->m_nBorderStyle);
    if (edit->m_bHidden) label += " hidden=" + std::to_string(edit->m_bHidden);
  }
  return label;
}

inline bool IsPlainChar(const CQVXMLNode* node) { return node->m_nType == NTYPE_EDITCHAR; }

inline void DumpEditTree(const CQVXMLNode& node, std::string& out, int depth) {
  std::string indent(2 * depth, ' ');
  out += indent + EditNodeLabel(node) + "\n";
  const auto& children = node.m_arrChildren;
  for (size_t i = 0; i < children.size(); ++i) {
    if (!IsPlainChar(children[i])) {
      DumpEditTree(*children[i], out, depth + 1);
      continue;
    }
    std::string text;
    for (; i < children.size() && IsPlainChar(children[i]); ++i)
      text += (text.empty() ? "" : "|") + FoUtf8(children[i]->m_strText);
    --i;
    out += indent + "  text " + text + "\n";
  }
}

inline std::string DumpEditTree(const CQVXMLNode& node) {
  std::string out;
  DumpEditTree(node, out, 0);
  return out;
}
