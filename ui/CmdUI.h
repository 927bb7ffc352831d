#pragma once
// The state of one command's user-interface item while its update handler runs. The route's
// update handler decides; without one the item is enabled exactly when the route has a
// handler for the command.

#include <QString>

#include "platform/WinTypes.h"

class CCmdTarget;
class QAction;

class CCmdUI {
 public:
  explicit CCmdUI(UINT nID, QAction* pAction = nullptr) : m_nID(nID), m_pAction(pAction) {}
  virtual ~CCmdUI() = default;

  virtual void Enable(BOOL bOn = TRUE);
  // 0 unchecked, 1 checked.
  virtual void SetCheck(int nCheck = 1);
  virtual void SetText(const QString& text);
  // Hides items that stand for nothing now, such as unused recent-file places.
  virtual void Show(BOOL bShow = TRUE);

  // Asks the route for this command's state.
  void DoUpdate(CCmdTarget* pTarget);

  UINT m_nID;
  QAction* m_pAction;
  BOOL m_bEnabled = FALSE;
  BOOL m_bEnableChanged = FALSE;
};
