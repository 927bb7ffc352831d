#include <QAction>
#include <gtest/gtest.h>

#include <vector>

#include "ui/CmdTarget.h"
#include "ui/CmdUI.h"

namespace {

// A target with one of each kind of map entry; it records the handlers that ran.
class CTestTarget : public CCmdTarget {
 public:
  BOOL OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) override {
    static constexpr CMD_MAP_ENTRY<CTestTarget> kMap[] = {
        MapCommand(1, &CTestTarget::OnPlain),
        MapCommand(2, &CTestTarget::OnPlain),
        MapUpdate(2, &CTestTarget::OnUpdateChecked),
        MapUpdate(3, &CTestTarget::OnUpdateChecked),
        MapCommand(4, &CTestTarget::OnPlain),
        MapUpdate(4, &CTestTarget::OnUpdateOff),
        MapCommandRange(10, 19, &CTestTarget::OnRange),
    };
    if (DispatchCmdMsg<CTestTarget>(this, kMap, nID, nCode, pCmdUI)) return TRUE;
    return m_pNext && m_pNext->OnCmdMsg(nID, nCode, pCmdUI);
  }
  void OnPlain() { m_ran.push_back(0); }
  void OnRange(UINT nID) { m_ran.push_back(int(nID)); }
  void OnUpdateChecked(CCmdUI* pCmdUI) {
    pCmdUI->Enable();
    pCmdUI->SetCheck(1);
    pCmdUI->SetText(QStringLiteral("checked"));
  }
  void OnUpdateOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

  CCmdTarget* m_pNext = nullptr;
  std::vector<int> m_ran;
};

TEST(CmdUI, TheRouteDecidesEachItemsState) {
  struct Case {
    UINT nID;
    bool enabled;
    bool checked;
  } cases[] = {
      {1, true, false},   // a handler and no update handler
      {2, true, true},    // the update handler enables and checks
      {3, true, true},    // an update handler alone decides
      {4, false, false},  // the update handler disables a command that has a handler
      {15, true, false},  // a range
      {20, false, false}, // nothing on the route
  };
  CTestTarget target;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nID);
    QAction action(QStringLiteral("item"));
    action.setEnabled(!c.enabled);
    CCmdUI state(c.nID, &action);
    state.DoUpdate(&target);
    EXPECT_EQ(action.isEnabled(), c.enabled);
    EXPECT_EQ(action.isChecked(), c.checked);
    EXPECT_EQ(action.text(), c.checked ? QStringLiteral("checked") : QStringLiteral("item"));
  }
}

TEST(CmdUI, CommandsRunOnTheFirstTargetThatHandlesThem) {
  CTestTarget first;
  CTestTarget second;
  first.m_pNext = &second;
  EXPECT_TRUE(first.OnCmdMsg(12, CN_COMMAND, nullptr));
  EXPECT_TRUE(first.OnCmdMsg(1, CN_HAS_HANDLER, nullptr));
  EXPECT_FALSE(first.OnCmdMsg(3, CN_COMMAND, nullptr));
  EXPECT_FALSE(first.OnCmdMsg(20, CN_COMMAND, nullptr));
  EXPECT_EQ(first.m_ran, std::vector<int>{12});
  EXPECT_TRUE(second.m_ran.empty());

  CCmdUI noRoute(1);
  noRoute.DoUpdate(nullptr);
  EXPECT_FALSE(noRoute.m_bEnabled);
}

}  // namespace
