#pragma once
// XPath selection with the prefixes that a document's "SelectionNamespaces" binds.

#include <string_view>
#include <vector>

#include "platform/DomOwner.h"

// The nodes in document order; throws CDomException for a bad expression, an unbound
// prefix or a result that is not a node-set.
std::vector<xmlNode*> SelectDomNodes(xmlNode* context, std::u16string_view expression,
                                     const std::vector<DomNamespaceBinding>& namespaces);

// "xmlns:fo='uri' xmlns:xsl=\"uri\"": throws CDomException when malformed. A default
// namespace declaration is accepted and has no effect, as XPath 1.0 has no use for it.
std::vector<DomNamespaceBinding> ParseSelectionNamespaces(std::u16string_view value);
