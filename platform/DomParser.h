#pragma once
// Parsing of untrusted XML into libxml2 documents: no network, no external entities,
// no DTD loading, and whitespace-only text dropped as the DOM's users expect.

#include <libxml/tree.h>

#include <string>
#include <string_view>

#include "platform/DomParseError.h"

struct DomParseResult {
  xmlDoc* doc = nullptr;  // the caller's on success, null on failure
  CDomParseError error;
  std::string encoding;   // as the XML declaration names it
  bool declared = false;  // the text begins with an XML declaration
};

DomParseResult ParseXmlFile(std::u16string_view path);
// The text's own encoding declaration is ignored: it is UTF-16 already.
DomParseResult ParseXmlText(std::u16string_view text);
