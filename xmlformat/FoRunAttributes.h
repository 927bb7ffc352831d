#pragma once
// The character attributes of an fo:inline and the numbering attributes that runs, kanbun
// blocks and ruby share.

#include "model/KasenRenbanProperties.h"
#include "xmlformat/FoWriteContext.h"

class CFoInline;

// Font, decorations, colours, border, shift, spacing and numbering, in that order.
void FoWriteRunAttributes(const FO_WRITE_CONTEXT& c, const CFoInline& node);
// Written only for a number type above 0.
void FoWriteNumbering(const FO_WRITE_CONTEXT& c, const CKasenRenbanProperties& numbering);
