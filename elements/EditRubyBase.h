#pragma once
// The base text of a ruby: its characters and a line end.

#include "elements/EditRubyPart.h"

class CEditRubyBase : public CEditRubyPart {
  DECLARE_SERIAL(CEditRubyBase)

 public:
  CEditRubyBase();
};
