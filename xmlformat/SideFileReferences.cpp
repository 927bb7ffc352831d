#include "xmlformat/SideFileReferences.h"

#include <filesystem>
#include <set>

#include "model/FoFlowElements.h"
#include "model/MondaiElements.h"
#include "platform/DomEncoding.h"
#include "xmlformat/FoValueForms.h"

namespace {

// The file name the node refers to, as its writer turns it into XML text.
CStringW ReferencedName(CQVXMLNode* pNode) {
  if (auto* picture = dynamic_cast<CFoExternalGraphic*>(pNode)) return AnsiNameText(picture->m_strSource.c_str());
  if (auto* object = dynamic_cast<CMondaiObject*>(pNode)) return AnsiNameText(object->m_strData.c_str());
  return CStringW();
}

CStringW FindUnheld(CQVXMLNode* pNode, const std::set<std::u16string>& held) {
  const CStringW name = ReferencedName(pNode);
  if (!name.IsEmpty() && !held.count(name.str())) return name;
  for (CQVXMLNode* child : pNode->m_arrChildren) {
    if (!child) continue;
    const CStringW unheld = FindUnheld(child, held);
    if (!unheld.IsEmpty()) return unheld;
  }
  return CStringW();
}

}  // namespace

CStringW FindUnheldSideFile(CQVXMLNode* pTree, const std::vector<std::string>& files) {
  std::set<std::u16string> held;
  for (const std::string& file : files) held.insert(Utf8ToUtf16(std::filesystem::path(file).filename().string()));
  return pTree ? FindUnheld(pTree, held) : CStringW();
}
