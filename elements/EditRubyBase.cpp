#include "elements/EditRubyBase.h"

IMPLEMENT_SERIAL(CEditRubyBase, CEditContainer, 1)

CEditRubyBase::CEditRubyBase() : CEditRubyPart(NTYPE_EDITRUBYBASE) {}
