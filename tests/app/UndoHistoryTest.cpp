#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/UndoHistory.h"
#include "elements/EditPrint.h"
#include "model/DocumentServices.h"
#include "model/UndoExecutor.h"
#include "model/UndoGroup.h"
#include "tests/support/FakeDocumentServices.h"

namespace {

int g_nDeleted = 0;

// A character that counts its deletions.
class CCountedNode : public CEditNode {
 public:
  CCountedNode() : CEditNode(0x01001001) {}
  ~CCountedNode() override { ++g_nDeleted; }
};

CUndoGroup* NewGroup(CEditNode* removed = nullptr) {
  auto* group = new CUndoGroup;
  if (removed)
    group->AddNodeAction(UNDO_REMOVE_SELECTED, removed, nullptr, 0, 0);
  else
    group->AddValueAction(UNDO_BOLD, nullptr, 0, 1);
  return group;
}

struct HISTORY_CASE {
  const char* steps;     // P push (groups A, B, C ... in order), U undo, R redo
  const char* answers;   // per U or R: the group it gave, '-' for none
  const char* list;      // the groups from the head
  int index;
};

TEST(UndoHistory, PushUndoAndRedoFollowTheStateTable) {
  const HISTORY_CASE cases[] = {
      {"", "", "", -1},
      {"UR", "--", "", -1},
      {"P", "", "A", 0},
      {"PUU", "A-", "A", 1},
      {"PR", "-", "A", 0},
      {"PRU", "-A", "A", 1},
      {"PPUP", "B", "CA", 0},
      {"PPUPR", "B-", "CA", 0},
      {"PPUUP", "BA", "C", 0},
      {"PPUUR", "BAA", "BA", 1},
      {"PPPUURR", "CBBC", "CBA", 0},
      {"PPPUUU", "CBA", "CBA", 3},
      {"PPPUUUU", "CBA-", "CBA", 3},
  };
  for (const HISTORY_CASE& c : cases) {
    CUndoHistory history;
    std::map<const CUndoGroup*, char> names;
    std::string answers;
    char next = 'A';
    for (const char* step = c.steps; *step; ++step) {
      if (*step == 'P') {
        CUndoGroup* group = NewGroup();
        names[group] = next++;
        history.PushUndo(group);
      } else {
        CUndoGroup* group = *step == 'U' ? history.Undo() : history.Redo();
        answers += group ? names[group] : '-';
      }
    }
    std::string list;
    for (int i = 0; i < history.GetGroupCount(); ++i) list += names[history.GetGroupAt(i)];
    EXPECT_EQ(answers, c.answers) << c.steps;
    EXPECT_EQ(list, c.list) << c.steps;
    EXPECT_EQ(history.GetUndoIndex(), c.index) << c.steps;
  }
}

TEST(UndoHistory, TheOldestGroupGoesBeyond32769) {
  CUndoHistory history;
  CUndoGroup* first = NewGroup();
  CUndoGroup* second = NewGroup();
  history.PushUndo(first);
  history.PushUndo(second);
  for (int i = 2; i < kMaxUndoGroups + 1; ++i) history.PushUndo(NewGroup());
  ASSERT_EQ(history.GetGroupCount(), kMaxUndoGroups + 1);
  EXPECT_EQ(history.GetGroupAt(kMaxUndoGroups), first);
  history.PushUndo(NewGroup());
  EXPECT_EQ(history.GetGroupCount(), kMaxUndoGroups + 1);
  EXPECT_EQ(history.GetGroupAt(kMaxUndoGroups), second);
}

TEST(UndoHistory, NullGroupIsIgnored) {
  CUndoHistory history;
  history.PushUndo(nullptr);
  EXPECT_EQ(history.GetGroupCount(), 0);
  EXPECT_EQ(history.GetUndoIndex(), -1);
}

class UndoHistoryDeletes : public ::testing::Test {
 protected:
  void SetUp() override { g_nDeleted = 0; }
  CEditNode* AddTo(CEditNode& parent) {
    auto* node = new CCountedNode;
    parent.AppendChild(node);
    return node;
  }

  CEditPrint sheet;
  CUndoHistory history;
};

TEST_F(UndoHistoryDeletes, ClearUndoDeletesEachDetachedNodeOnceAndKeepsTheSheet) {
  auto* part = new CEditNode(NTYPE_EDITSENTENCE);
  sheet.AppendChild(part);
  CEditNode* backInSheet = AddTo(*part);
  auto* field = new CEditNode(NTYPE_EDITSENTENCE);
  sheet.m_nodePageKimeiran.AppendChild(field);
  CEditNode* inFieldCopy = AddTo(*field);

  auto* parent = new CCountedNode;  // removed with a child that was parked before it
  CEditNode* child = AddTo(*parent);
  auto* upper = new CCountedNode;   // the other order: the child is parked last
  CEditNode* lower = AddTo(*upper);
  auto* twice = new CCountedNode;
  auto* removedByGroup = new CCountedNode;

  history.AddPendingDelete(backInSheet);
  history.AddPendingDelete(inFieldCopy);
  history.AddPendingDelete(child);
  history.AddPendingDelete(parent);
  history.AddPendingDelete(upper);
  history.AddPendingDelete(lower);
  history.AddPendingDelete(twice);
  history.AddPendingDelete(twice);
  history.PushUndo(NewGroup(removedByGroup));
  history.PushUndo(NewGroup(removedByGroup));
  EXPECT_EQ(history.GetPendingCount(), 8);

  history.ClearUndo(&sheet);
  EXPECT_EQ(g_nDeleted, 6);
  EXPECT_EQ(history.GetPendingCount(), 0);
  EXPECT_EQ(history.GetGroupCount(), 0);
  EXPECT_EQ(history.GetUndoIndex(), -1);
  EXPECT_EQ(backInSheet->GetParent(), part);
  EXPECT_EQ(inFieldCopy->GetParent(), field);
  history.ClearUndo(&sheet);
  EXPECT_EQ(g_nDeleted, 6);
}

TEST_F(UndoHistoryDeletes, NodeTakenOffAndParkedAgainIsDeletedOnce) {
  auto* node = new CCountedNode;
  for (int i = 0; i < 200; ++i) {
    history.AddPendingDelete(node);
    history.RemovePendingDelete(node);
  }
  history.AddPendingDelete(node);
  EXPECT_TRUE(history.IsPending(node));
  history.ClearUndo(&sheet);
  EXPECT_EQ(g_nDeleted, 1);
}

TEST_F(UndoHistoryDeletes, DetachedNodesLeftParkedGoWithTheHistory) {
  auto* part = new CEditNode(NTYPE_EDITSENTENCE);
  sheet.AppendChild(part);
  {
    CUndoHistory local;
    auto* parent = new CCountedNode;
    local.AddPendingDelete(AddTo(*parent));
    local.AddPendingDelete(parent);
    local.AddPendingDelete(AddTo(*part));
  }
  EXPECT_EQ(g_nDeleted, 2);
  EXPECT_EQ(part->GetChildCount(), 1);
}

// The document's side of the model's seam, forwarding to the history.
class CHistoryDocument : public CDocumentServices {
 public:
  explicit CHistoryDocument(CUndoHistory& history) : m_history(history) {}
  int PushUndo(CUndoGroup* pGroup) override { return m_history.PushUndo(pGroup); }
  void AddPendingDelete(CEditNode* pNode) override { m_history.AddPendingDelete(pNode); }
  void RemovePendingDelete(CEditNode* pNode) override { m_history.RemovePendingDelete(pNode); }
  void SetNameFieldOnPage(int, int) override {}
  void SetKanbunHyphen(CEditNode*, int) override {}

 private:
  CUndoHistory& m_history;
};

TEST_F(UndoHistoryDeletes, DeletedTypedBackByUndoAndRemovedByRedoIsParkedOnce) {
  auto* part = new CEditNode(NTYPE_EDITSENTENCE);
  sheet.AppendChild(part);
  CEditNode* removed = AddTo(*part);
  CEditNode* next = AddTo(*part);
  removed->Detach();
  auto* group = new CUndoGroup;
  group->AddNodeAction(UNDO_REMOVE_SELECTED, removed, next, 0, 0);
  CHistoryDocument document(history);
  CFakeEditView view;
  CUndoExecutor executor(document, view);
  document.PushUndo(group);
  EXPECT_TRUE(history.IsPending(removed));

  ASSERT_EQ(executor.Undo(*history.Undo()), UndoResult::Applied);
  EXPECT_EQ(removed->GetParent(), part);
  EXPECT_FALSE(history.IsPending(removed));
  ASSERT_EQ(executor.Redo(*history.Redo()), UndoResult::Applied);
  EXPECT_EQ(removed->GetParent(), nullptr);
  EXPECT_EQ(history.GetPendingCount(), 1);

  history.ClearUndo(&sheet);
  EXPECT_EQ(g_nDeleted, 1);
  EXPECT_EQ(part->GetChildCount(), 1);
}

}  // namespace
