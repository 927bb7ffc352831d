#pragma once
// Values of the embedded-object layer: drawing aspects, change notifications, verbs, close
// options and status bits, numbered as the code expects them.

#include "platform/WinTypes.h"

enum DVASPECT : DWORD {
  DVASPECT_CONTENT = 1,
  DVASPECT_THUMBNAIL = 2,
  DVASPECT_ICON = 4,
  DVASPECT_DOCPRINT = 8,
};

enum OLE_NOTIFICATION {
  OLE_CHANGED = 0,
  OLE_SAVED = 1,
  OLE_CLOSED = 2,
  OLE_RENAMED = 3,
  OLE_CHANGED_STATE = 4,
  OLE_CHANGED_ASPECT = 5,
};

enum OLECLOSE : DWORD {
  OLECLOSE_SAVEIFDIRTY = 0,
  OLECLOSE_NOSAVE = 1,
  OLECLOSE_PROMPTSAVE = 2,
};

constexpr LONG OLEIVERB_PRIMARY = 0;
constexpr LONG OLEIVERB_SHOW = -1;
constexpr LONG OLEIVERB_OPEN = -2;
constexpr LONG OLEIVERB_HIDE = -3;
constexpr LONG OLEIVERB_UIACTIVATE = -4;
constexpr LONG OLEIVERB_INPLACEACTIVATE = -5;

constexpr DWORD OLEMISC_INSIDEOUT = 0x80;
constexpr DWORD OLEMISC_ACTIVATEWHENVISIBLE = 0x100;

// The window an item is activated in. The application's view derives from it; the item keeps
// it to know where it is active in place.
class CView {
 public:
  virtual ~CView() = default;
};
