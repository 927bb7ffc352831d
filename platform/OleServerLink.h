#pragma once
// How a client item reaches the server of its class.
//
// A server is a separate program registered for a class name such as "Orvik.Document". To run
// a verb the link writes the item's native data into a private temporary file (a folder of its
// own per session, never the shared temporary folder), starts the program with that file and
// keeps the session until the program ends. Whenever the server reports a change, the link
// hands the new native data, the extent (0.01 mm) and the picture (PNG) to the item with
// COleClientItem::OnServerData; activation in place, moves of the in-place window, saves and
// the end of the session reach the item through its On... calls. Everything runs on the
// user-interface thread.

#include <string>

#include "platform/OleTypes.h"

class COleClientItem;

class COleServerLink {
 public:
  virtual ~COleServerLink() = default;

  // Runs the verb on the item's object in the view; FALSE when the server cannot run it.
  virtual BOOL DoVerb(COleClientItem* pItem, LONG nVerb, CView* pView) = 0;
  // Ends the item's session; with OLECLOSE_SAVEIFDIRTY a changed object reports its data first.
  virtual void Close(COleClientItem* pItem, OLECLOSE dwCloseOption) = 0;
  // Forgets the item without saving: it is being deleted.
  virtual void Release(COleClientItem* pItem) = 0;
  // The OLEMISC_ bits of the class for the aspect.
  virtual DWORD GetMiscStatus(const std::string& className, DVASPECT nAspect) = 0;
  // Whether the item's object holds nothing yet.
  virtual BOOL IsBlank(const COleClientItem* pItem) = 0;
};

// The link that serves a class name; a null link removes the registration.
void RegisterOleServer(const std::string& className, COleServerLink* pLink);
// Null when no server is registered for the class.
COleServerLink* FindOleServer(const std::string& className);
