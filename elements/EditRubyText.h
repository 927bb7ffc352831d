#pragma once
// The reading of a ruby: its characters and a line end; its paragraph alignment decides where
// a reading longer than the base overhangs.

#include "elements/EditRubyPart.h"

class CEditRubyText : public CEditRubyPart {
  DECLARE_SERIAL(CEditRubyText)

 public:
  CEditRubyText();
};
