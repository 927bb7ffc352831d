#pragma once
// XSLT 1.0 over libxslt, on copies, so that neither the source nor the stylesheet changes.

#include <libxml/tree.h>

#include <string>

// `source` is a document or an element, `stylesheet` a document or its xsl:stylesheet
// element. The serialised result, empty when the result has no content. Throws
// CDomException when the stylesheet does not compile or the transformation fails.
std::u16string TransformDom(xmlNode* source, xmlNode* stylesheet);
