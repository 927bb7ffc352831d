#pragma once
// The object behind a document handle: the libxml2 document it holds, the documents it
// held before a reload, the nodes taken out of them, the handles into all of these,
// and the document's properties.

#include <libxml/tree.h>

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/DomParseError.h"

struct DomNamespaceBinding {
  std::string prefix;
  std::string uri;
};

class CDomOwner {
 public:
  CDomOwner();
  ~CDomOwner();
  CDomOwner(const CDomOwner&) = delete;
  CDomOwner& operator=(const CDomOwner&) = delete;

  xmlDoc* Document() const { return m_doc; }
  // Takes `doc` (null for a new empty one); the one it replaces lives on while handles
  // point into it.
  void ReplaceDocument(xmlDoc* doc, std::string encoding, bool declared);

  void AddHandle(xmlNode* node);
  void ReleaseHandle(xmlNode* node);

  // A node made by this document and not yet in a tree.
  void AddOrphan(xmlNode* node);
  // Takes a node out of its tree; it lives on while a handle points into it.
  void Detach(xmlNode* node);
  // An orphan about to be linked into a tree.
  void Adopt(xmlNode* node);

  // The encoding that the XML declaration names, and whether there is a declaration.
  const std::string& Encoding() const { return m_encoding; }
  bool Declared() const { return m_declared; }

  const CDomParseError& ParseError() const { return m_parseError; }
  void SetParseError(CDomParseError error) { m_parseError = std::move(error); }

  const std::vector<DomNamespaceBinding>& SelectionNamespaces() const { return m_namespaces; }
  void SetSelectionNamespaces(std::vector<DomNamespaceBinding> bindings) { m_namespaces = std::move(bindings); }

 private:
  bool HasHandlesInside(xmlNode* root) const;
  void FreeIfUnreferenced(xmlNode* top);
  void FreeDocument(xmlDoc* doc);

  xmlDoc* m_doc;
  std::vector<xmlDoc*> m_retired;
  std::unordered_set<xmlNode*> m_orphans;
  std::unordered_map<xmlNode*, int> m_handles;
  std::unordered_map<xmlDoc*, int> m_handlesPerDocument;
  std::string m_encoding;
  bool m_declared = false;
  CDomParseError m_parseError;
  std::vector<DomNamespaceBinding> m_namespaces;
};
