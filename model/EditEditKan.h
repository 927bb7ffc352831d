#pragma once
// The root of the kunten settings dialog's editing pane: an edit root of its own class name.

#include "model/EditEdit.h"

class CEditEditKan : public CEditEdit {
  DECLARE_SERIAL(CEditEditKan)

 public:
  CEditEditKan();
  ~CEditEditKan() override;
};
