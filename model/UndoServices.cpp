#include "model/UndoServices.h"

#include "model/UndoGroup.h"

void CUndoServices::CollectPendingDeletes(const CUndoGroup* pGroup) {
  if (!pGroup) return;
  for (int i = 0; i < pGroup->GetCount(); ++i) {
    const CUndoAction& action = pGroup->GetAt(i);
    if ((action.m_nCode & UNDO_REMOVAL_BIT) && action.m_pNode) AddPendingDelete(action.m_pNode);
  }
}
