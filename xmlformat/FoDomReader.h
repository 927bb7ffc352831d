#pragma once
// Turns an element of a loaded DOM document into the object model's node tree.

#include "model/QVXMLNode.h"
#include "platform/DomNode.h"

// Deepest element nesting the walk follows; as deep as the DOM's parser accepts.
constexpr int kMaxFoNodeDepth = 257;

// A new tree for an XSLT or XSL-FO root element, owned by the caller; null for any other
// root and when any part of the tree cannot be read.
CQVXMLNode* CreateFoNodeFromDom(const CDomNode& element);

// Fills the node from the element's attributes, text and child elements, recursively.
// Raises CDomException when the DOM fails or the tree is nested too deep.
void ReadFoNodeAttributes(CQVXMLNode* node, const CDomNode& element, int depth = 0);
