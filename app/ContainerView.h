#pragma once
// What a container item needs of the view it is active in: the view's coordinate mapper and
// its conversion of a layout rectangle to client pixels.

#include "platform/OleTypes.h"
#include "platform/WinTypes.h"

class CCoordMapper;

class CContainerView : public CView {
 public:
  virtual CCoordMapper* GetCoordMapper() = 0;
  virtual void DocToClientRect(RECT* pRect) = 0;
};
