#include "platform/DomOwner.h"

#include <algorithm>
#include <new>

#include "platform/DomLibrary.h"
#include "platform/DomTree.h"

namespace {

xmlDoc* NewEmptyDocument() {
  InitDomLibrary();
  xmlDoc* doc = xmlNewDoc(BAD_CAST "1.0");
  if (!doc) throw std::bad_alloc();
  return doc;
}

}  // namespace

CDomOwner::CDomOwner() : m_doc(NewEmptyDocument()) {}

CDomOwner::~CDomOwner() {
  // Orphans may hold names from their document's dictionary, so they go first.
  for (xmlNode* orphan : m_orphans) xmlFreeNode(orphan);
  for (xmlDoc* doc : m_retired) xmlFreeDoc(doc);
  xmlFreeDoc(m_doc);
}

void CDomOwner::ReplaceDocument(xmlDoc* doc, std::string encoding, bool declared) {
  xmlDoc* old = m_doc;
  m_doc = doc ? doc : NewEmptyDocument();
  m_encoding = std::move(encoding);
  m_declared = declared;
  if (m_handlesPerDocument[old] > 0)
    m_retired.push_back(old);
  else
    FreeDocument(old);
}

void CDomOwner::AddHandle(xmlNode* node) {
  ++m_handles[node];
  ++m_handlesPerDocument[node->doc];
}

void CDomOwner::ReleaseHandle(xmlNode* node) {
  auto found = m_handles.find(node);
  if (found == m_handles.end()) return;
  if (--found->second == 0) m_handles.erase(found);
  xmlDoc* doc = node->doc;
  int left = --m_handlesPerDocument[doc];
  if (left == 0) m_handlesPerDocument.erase(doc);
  if (doc != m_doc && left == 0 && std::count(m_retired.begin(), m_retired.end(), doc)) {
    m_retired.erase(std::find(m_retired.begin(), m_retired.end(), doc));
    FreeDocument(doc);
    return;
  }
  FreeIfUnreferenced(TopOf(node));
}

void CDomOwner::AddOrphan(xmlNode* node) { m_orphans.insert(node); }

void CDomOwner::Detach(xmlNode* node) {
  // The detached node must not keep using namespace declarations of its old
  // ancestors, which may be freed before it.
  if (node->type == XML_ATTRIBUTE_NODE) {
    xmlDOMWrapRemoveNode(nullptr, node->doc, node, 0);
  } else {
    xmlUnlinkNode(node);
    if (node->type == XML_ELEMENT_NODE) xmlReconciliateNs(node->doc, node);
  }
  m_orphans.insert(node);
  FreeIfUnreferenced(node);
}

void CDomOwner::Adopt(xmlNode* node) { m_orphans.erase(node); }

bool CDomOwner::HasHandlesInside(xmlNode* root) const {
  for (xmlNode* n = root; n; n = NextInTree(n, root)) {
    if (m_handles.count(n)) return true;
    if (n->type != XML_ELEMENT_NODE) continue;
    for (xmlAttr* a = n->properties; a; a = a->next)
      if (m_handles.count(reinterpret_cast<xmlNode*>(a))) return true;
  }
  return false;
}

void CDomOwner::FreeIfUnreferenced(xmlNode* top) {
  if (!m_orphans.count(top) || HasHandlesInside(top)) return;
  m_orphans.erase(top);
  xmlFreeNode(top);
}

void CDomOwner::FreeDocument(xmlDoc* doc) {
  for (auto it = m_orphans.begin(); it != m_orphans.end();) {
    if ((*it)->doc != doc) {
      ++it;
      continue;
    }
    xmlFreeNode(*it);
    it = m_orphans.erase(it);
  }
  xmlFreeDoc(doc);
}
