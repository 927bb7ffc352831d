#pragma once
// Writer of fo:instream-foreign-object: its first child (a formula, an embedded object, a
// question number or a points field) goes into a data element, which an xsl:copy-of in the
// foreign object refers to. FALSE when any part of the write failed.

#include "xmlformat/FoWriteContext.h"

BOOL FoWriteForeignObject(const FO_WRITE_CONTEXT& c);
