#pragma once
// The built-in XML documents: the writer's base templates, the new-sheet documents and the
// bare page layout, by their resource numbers.

#include <QByteArray>
#include <string>

#include "platform/WinTypes.h"

enum XmlResourceId {
  IDR_XML_NEW_HORIZONTAL = 290,
  IDR_XML_PAGE_LAYOUT = 291,
  IDR_XML_BASE_HORIZONTAL = 292,
  IDR_XML_NEW_VERTICAL = 371,
  IDR_XML_BASE_VERTICAL = 372,
};

// The document's text; FALSE for a number that has no document.
BOOL LoadXmlResource(int nId, std::u16string& text);
// UTF-16LE after its byte-order mark, else UTF-8; a leading U+FEFF is skipped and a NUL
// ends the text.
std::u16string DecodeXmlResource(const QByteArray& bytes);
