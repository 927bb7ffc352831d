#pragma once
// Writes a tree of MathML nodes into DOM elements: attributes, token text and children.

#include "model/QVXMLNode.h"
#include "platform/DomDocument.h"

// The document that creates the nodes and the element that stands for the node written.
struct DOM_TARGET {
  CDomDocument document;
  CDomNode element;
};

// Writes the node's attributes onto the target element and builds the subtree below it.
// A child, attribute or text that cannot be written is left out and the rest is still
// written; FALSE then tells the caller that the island is incomplete.
BOOL WriteDomAttributes(CQVXMLNode* node, DOM_TARGET target);
