#include "elements/EditRubyText.h"

IMPLEMENT_SERIAL(CEditRubyText, CEditContainer, 1)

CEditRubyText::CEditRubyText() : CEditRubyPart(NTYPE_EDITRUBYTEXT) {}
