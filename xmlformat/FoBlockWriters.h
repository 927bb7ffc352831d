#pragma once
// Writers of the frame and block-level XSL-FO elements: block container, spacing, block,
// float and table. Each writes the attributes of its element, which the caller has created,
// and the elements of its children; FALSE when any part of that failed, which ends the write.

#include "xmlformat/FoWriteContext.h"

BOOL FoWriteBlockContainer(const FO_WRITE_CONTEXT& c);
// fo:initial-property-set: attributes only.
BOOL FoWriteSpacing(const FO_WRITE_CONTEXT& c);
BOOL FoWriteBlock(const FO_WRITE_CONTEXT& c);
BOOL FoWriteFloat(const FO_WRITE_CONTEXT& c);
// The node and element are the fo:table-and-caption.
BOOL FoWriteTable(const FO_WRITE_CONTEXT& c);
