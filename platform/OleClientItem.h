#pragma once
// Our client item of an embedded object: the class name of its server, the object's native
// data, its cached extent (0.01 mm) and picture (PNG), its drawing aspect and its state. It
// draws the cached picture and reaches the server through the link registered for its class
// (OleServerLink.h).
//
// Its archive record is ours and versioned: the tag "QOBJ", a 16-bit version (1), the class
// name, the aspect, the extent, the native data and the picture, each block after a 32-bit
// length. Version 0 with nothing after it stands for no item. Any other record is one of the
// class library's (an item saved on Windows, with a compound file inside): it is kept byte for
// byte, written back unchanged and shown as a framed placeholder with the class name that the
// compound file records.

#include <QImage>

#include <string>
#include <vector>

#include "platform/Object.h"
#include "platform/OleTypes.h"
#include "platform/WinTypes.h"

class CArchive;
class CDC;
class COleDocument;
class COleServerLink;

class COleClientItem : public CObject {
  DECLARE_SERIAL(COleClientItem)

 public:
  enum ItemState { emptyState = 0, loadedState = 1, openState = 2, activeState = 3, activeUIState = 4 };

  // Registers with the document when one is given.
  explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
  ~COleClientItem() override;
  COleClientItem(const COleClientItem&) = delete;
  COleClientItem& operator=(const COleClientItem&) = delete;

  // Throws CArchiveException on damaged data.
  void Serialize(CArchive& ar) override;
  // The record that stands for no item.
  static void StoreNoItem(CArchive& ar);
  // TRUE when the no-item record comes next and was read; otherwise the archive stays put.
  static BOOL LoadNoItem(CArchive& ar);

  // Holds a new object of the class: what an insertion or a server hands over.
  void CreateFromData(std::string className, std::vector<BYTE> native, SIZE extent, std::vector<BYTE> picture);

  const std::string& GetServerClassName() const { return m_strClassName; }
  const std::vector<BYTE>& GetNativeData() const { return m_native; }
  const std::vector<BYTE>& GetPicture() const { return m_picture; }
  // A record of the class library, kept as it was read.
  BOOL IsForeign() const { return !m_foreign.empty(); }
  // FALSE when the object has no extent yet.
  BOOL GetExtent(SIZE* pSize, DVASPECT nDrawAspect = DVASPECT(-1)) const;
  DVASPECT GetDrawAspect() const { return m_nDrawAspect; }
  void SetDrawAspect(DVASPECT nDrawAspect) { m_nDrawAspect = nDrawAspect; }
  UINT GetItemState() const { return m_nItemState; }
  BOOL IsInPlaceActive() const { return m_nItemState == activeState || m_nItemState == activeUIState; }
  COleDocument* GetDocument() const { return m_pDocument; }
  // The view the item is active in, or null.
  CView* GetActiveView() const { return m_pView; }
  // The document is going away before the item.
  void DetachDocument() { m_pDocument = nullptr; }

  // The cached picture stretched into the rectangle; without one a frame with the class name.
  BOOL Draw(CDC* pDC, const RECT* lpBounds, DVASPECT nDrawAspect = DVASPECT(-1));
  // FALSE when no server serves the class or the server refuses the verb.
  BOOL DoVerb(LONG nVerb, CView* pView);
  void Close(OLECLOSE dwCloseOption = OLECLOSE_SAVEIFDIRTY);
  // Ends any session without saving.
  void Release();
  // Releases the object; with bAutoDelete the item deletes itself.
  void Delete(BOOL bAutoDelete = TRUE);
  DWORD GetMiscStatus(DVASPECT nAspect) const;
  BOOL IsBlank() const;

  // The server's report of new data: the caches change, then OnChange(OLE_CHANGED).
  void OnServerData(std::vector<BYTE> native, SIZE extent, std::vector<BYTE> picture);

  // Notifications from the server link; derived items add their handling after the base's.
  // With OLE_CHANGED_STATE the parameter is the new state.
  virtual void OnChange(OLE_NOTIFICATION nCode, DWORD dwParam);
  virtual void OnActivate();
  virtual void OnActivateUI();
  virtual void OnDeactivateUI(BOOL bUndoable);
  virtual void OnDeactivate();
  // The server moved or sized its in-place window (client pixels); FALSE when not in place.
  virtual BOOL OnChangeItemPosition(const CRect& rectPos);
  // Where the item stands in its view, in client pixels.
  virtual void OnGetItemPosition(CRect& rPosition);

 private:
  COleServerLink* GetLink() const;
  void StoreRecord(CArchive& ar) const;
  void LoadRecord(CArchive& ar);
  void LoadForeignRecord(CArchive& ar);
  void DrawPlaceholder(CDC* pDC, const RECT& bounds) const;
  const QImage& PictureImage() const;

  COleDocument* m_pDocument;
  CView* m_pView = nullptr;
  std::string m_strClassName;
  std::vector<BYTE> m_native;
  std::vector<BYTE> m_picture;
  SIZE m_sizeExtent{0, 0};
  DVASPECT m_nDrawAspect = DVASPECT_CONTENT;
  UINT m_nItemState = emptyState;
  std::vector<BYTE> m_foreign;
  mutable QImage m_image;  // decoded picture, made on first draw
  mutable bool m_bImageDecoded = false;
};
