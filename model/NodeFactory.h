#pragma once
// The one place where an element code becomes an object-model node.

#include "model/QVXMLNode.h"

// A new node of the class that stands for the code, owned by the caller; null for a code
// the object model does not represent (the reader then skips the element and its subtree)
// and when the node cannot be built.
CQVXMLNode* CreateNode(int code);
