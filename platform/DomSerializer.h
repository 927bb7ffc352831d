#pragma once
// Serialisation of a document into the bytes of a named encoding.

#include <libxml/tree.h>

#include <string>

// Characters that the encoding cannot hold become character references. A CDATA section
// that cannot be written as one (it holds "]]>" or such characters) is written as
// escaped text, so that it reads back as one node with the same text. Throws
// CDomException for an unknown encoding.
std::string SerializeDom(xmlDoc* doc, const std::string& encoding, bool withDeclaration);
