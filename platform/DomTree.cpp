#include "platform/DomTree.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace {

bool Enterable(const xmlNode* node) {
  return node->type != XML_ENTITY_REF_NODE && node->type != XML_ATTRIBUTE_NODE;
}

bool IsBlank(const xmlChar* text) {
  for (; text && *text; ++text)
    if (!std::strchr(" \t\r\n", *text)) return false;
  return true;
}

// Splits "p:local" at its colon; false for names without a usable prefix.
bool SplitPrefix(const xmlChar* name, std::string& prefix, std::string& local) {
  std::string_view qname(reinterpret_cast<const char*>(name));
  size_t colon = qname.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon + 1 == qname.size()) return false;
  prefix = qname.substr(0, colon);
  local = qname.substr(colon + 1);
  return prefix != "xmlns";
}

void ResolveName(xmlNode* node, xmlNode* scope) {
  std::string prefix, local;
  if (!SplitPrefix(node->name, prefix, local)) return;
  xmlNs* ns = xmlSearchNs(scope->doc, scope, BAD_CAST prefix.c_str());
  if (!ns) return;
  xmlNodeSetName(node, BAD_CAST local.c_str());
  node->ns = ns;
}

}  // namespace

xmlNode* NextInTree(xmlNode* node, const xmlNode* root) {
  if (node->children && Enterable(node)) return node->children;
  for (; node && node != root; node = node->parent)
    if (node->next) return node->next;
  return nullptr;
}

xmlNode* TopOf(xmlNode* node) {
  while (node->parent) node = node->parent;
  return node;
}

std::string QualifiedName(const xmlNode* node) {
  std::string name = node->name ? reinterpret_cast<const char*>(node->name) : "";
  if (node->ns && node->ns->prefix) return reinterpret_cast<const char*>(node->ns->prefix) + (":" + name);
  return name;
}

bool IsAncestorOrSelf(const xmlNode* ancestor, const xmlNode* node) {
  for (; node; node = node->parent)
    if (node == ancestor) return true;
  return false;
}

std::string CollectText(xmlNode* node) {
  std::string text;
  for (xmlNode* n = node; n; n = NextInTree(n, node))
    if ((n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE) && n->content)
      text += reinterpret_cast<const char*>(n->content);
  return text;
}

void DropBlankText(xmlDoc* doc) {
  xmlNode* root = reinterpret_cast<xmlNode*>(doc);
  std::vector<xmlNode*> blanks;
  for (xmlNode* n = root; n; n = NextInTree(n, root))
    if (n->type == XML_TEXT_NODE && IsBlank(n->content) && xmlNodeGetSpacePreserve(n->parent) != 1)
      blanks.push_back(n);
  for (xmlNode* blank : blanks) {
    xmlUnlinkNode(blank);
    xmlFreeNode(blank);
  }
}

void ResolvePrefixes(xmlNode* root) {
  for (xmlNode* n = root; n; n = NextInTree(n, root)) {
    if (n->type != XML_ELEMENT_NODE) continue;
    if (!n->ns) ResolveName(n, n);
    for (xmlAttr* a = n->properties; a; a = a->next) ResolveAttributePrefix(a);
  }
}

void ResolveAttributePrefix(xmlAttr* attribute) {
  if (!attribute->ns && attribute->parent)
    ResolveName(reinterpret_cast<xmlNode*>(attribute), attribute->parent);
}

void LinkChild(xmlNode* parent, xmlNode* child, xmlNode* before) {
  child->parent = parent;
  child->next = before;
  child->prev = before ? before->prev : parent->last;
  if (child->prev)
    child->prev->next = child;
  else
    parent->children = child;
  if (before)
    before->prev = child;
  else
    parent->last = child;
}
