#pragma once
// Walks and edits of libxml2 trees that the DOM classes share.

#include <libxml/tree.h>

#include <string>

// The node after `node` in document order within `root`'s subtree, or null. Neither
// attributes nor the shared content of entity references are entered.
xmlNode* NextInTree(xmlNode* node, const xmlNode* root);

// The document, or the detached node at the top of `node`'s tree.
xmlNode* TopOf(xmlNode* node);

// "prefix:name" for elements and attributes in a prefixed namespace, else the name.
std::string QualifiedName(const xmlNode* node);

bool IsAncestorOrSelf(const xmlNode* ancestor, const xmlNode* node);

// The text and CDATA content below `node`, in document order.
std::string CollectText(xmlNode* node);

// Removes whitespace-only text nodes except where xml:space="preserve" is in force.
void DropBlankText(xmlDoc* doc);

// Gives prefixed names made without a namespace ("fo:block") the namespace that their
// prefix is bound to where they now stand; unbound prefixes stay part of the name.
void ResolvePrefixes(xmlNode* root);
// The same for one attribute on its element.
void ResolveAttributePrefix(xmlAttr* attribute);

// Links a detached node into `parent` before `before` (at the end when null). Unlike
// xmlAddChild it never merges text nodes, so handles to both stay valid.
void LinkChild(xmlNode* parent, xmlNode* child, xmlNode* before);
