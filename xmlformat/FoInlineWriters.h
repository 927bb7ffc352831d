#pragma once
// Writers of the inline-level XSL-FO elements: inline container, inline (one run) and
// external graphic. Content goes into data elements of the data parent, which the template
// refers to by relative paths. FALSE when any part of the write failed.

#include "xmlformat/FoWriteContext.h"

BOOL FoWriteInlineContainer(const FO_WRITE_CONTEXT& c);
// The run's sp data element, the fo:inline's attributes and its xsl:value-of.
BOOL FoWriteInline(const FO_WRITE_CONTEXT& c);
// The img data element and the fo:external-graphic's attributes.
BOOL FoWriteExternalGraphic(const FO_WRITE_CONTEXT& c);
