#pragma once
// Commands by id. A target answers a command through its map of ids (or id ranges) to
// handlers and update handlers; the frame routes each command to the active view, the
// document, the frame and the application in that order.

#include <span>

#include "platform/WinTypes.h"

class CCmdUI;

enum CmdCode {
  CN_COMMAND,            // run the handler
  CN_UPDATE_COMMAND_UI,  // run the update handler
  CN_HAS_HANDLER,        // only tell whether a handler exists
};

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  // TRUE when this target (or one it routes to) has a handler of that kind for nID and, for
  // CN_COMMAND and CN_UPDATE_COMMAND_UI, ran it. pCmdUI is used by update handlers only.
  virtual BOOL OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) = 0;
};

// One entry of a target's map: a command or range of commands with its handlers. A range
// handler gets the command id.
template <class T>
struct CMD_MAP_ENTRY {
  UINT nID;
  UINT nLastID;
  void (T::*pfnCommand)();
  void (T::*pfnRangeCommand)(UINT);
  void (T::*pfnUpdate)(CCmdUI*);
};

template <class T>
constexpr CMD_MAP_ENTRY<T> MapCommand(UINT nID, void (T::*pfn)()) {
  return {nID, nID, pfn, nullptr, nullptr};
}
template <class T>
constexpr CMD_MAP_ENTRY<T> MapCommandRange(UINT nID, UINT nLastID, void (T::*pfn)(UINT)) {
  return {nID, nLastID, nullptr, pfn, nullptr};
}
template <class T>
constexpr CMD_MAP_ENTRY<T> MapUpdate(UINT nID, void (T::*pfn)(CCmdUI*)) {
  return {nID, nID, nullptr, nullptr, pfn};
}
template <class T>
constexpr CMD_MAP_ENTRY<T> MapUpdateRange(UINT nID, UINT nLastID, void (T::*pfn)(CCmdUI*)) {
  return {nID, nLastID, nullptr, nullptr, pfn};
}

// Looks nID up in one target's own map.
template <class T>
BOOL DispatchCmdMsg(T* pTarget, std::span<const CMD_MAP_ENTRY<T>> map, UINT nID, CmdCode nCode, CCmdUI* pCmdUI) {
  for (const CMD_MAP_ENTRY<T>& entry : map) {
    if (nID < entry.nID || nID > entry.nLastID) continue;
    if (nCode == CN_UPDATE_COMMAND_UI) {
      if (!entry.pfnUpdate) continue;
      (pTarget->*entry.pfnUpdate)(pCmdUI);
      return TRUE;
    }
    if (!entry.pfnCommand && !entry.pfnRangeCommand) continue;
    if (nCode == CN_COMMAND) {
      if (entry.pfnCommand)
        (pTarget->*entry.pfnCommand)();
      else
        (pTarget->*entry.pfnRangeCommand)(nID);
    }
    return TRUE;
  }
  return FALSE;
}
