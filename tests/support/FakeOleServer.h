#pragma once
// An in-process server for tests: it registers itself for one class name, runs verbs as a
// server program would (in place, or in a window of its own), and sends the changes a test
// asks for to the item.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/OleClientItem.h"
#include "platform/OleServerLink.h"

class CFakeOleServer : public COleServerLink {
 public:
  explicit CFakeOleServer(std::string className = "Orvik.Document");
  ~CFakeOleServer() override;

  BOOL DoVerb(COleClientItem* pItem, LONG nVerb, CView* pView) override;
  void Close(COleClientItem* pItem, OLECLOSE dwCloseOption) override;
  void Release(COleClientItem* pItem) override;
  DWORD GetMiscStatus(const std::string&, DVASPECT) override { return m_miscStatus; }
  BOOL IsBlank(const COleClientItem* pItem) override { return pItem->GetNativeData().empty(); }

  // The object changed in the server: its new data goes to the item.
  void ReportChange(COleClientItem* pItem, SIZE extent, std::vector<BYTE> native = {'k', 'u', 'n'},
                    std::vector<BYTE> picture = {});
  // The server moved or sized its in-place window (client pixels).
  BOOL MoveWindow(COleClientItem* pItem, const CRect& rect) { return pItem->OnChangeItemPosition(rect); }

  std::string m_className;
  bool m_bInPlace = true;  // else verbs open a window of the server's own
  DWORD m_miscStatus = 0;
  std::vector<std::pair<COleClientItem*, LONG>> m_verbs;
  std::vector<COleClientItem*> m_closed;
  std::vector<COleClientItem*> m_saved;
  std::vector<COleClientItem*> m_released;

 private:
  std::set<COleClientItem*> m_dirty;
};
