#pragma once
// A small tree under a root, a caret context and an undo group, with the document and view
// stand-ins that undo runs against; sessions compare the tree's archive before and after.

#include <gtest/gtest.h>

#include <memory>

#include "model/EditCaret.h"
#include "model/EditNode.h"
#include "model/UndoExecutor.h"
#include "tests/support/Bytes.h"
#include "tests/support/FakeDocumentServices.h"

class EditSessionTest : public ::testing::Test {
 protected:
  // Appends a node of the type word; the caller's tree owns it.
  template <class T = CEditNode>
  T* Add(CEditNode* parent, DWORD type) {
    auto* node = new T();
    node->m_nType = type;
    parent->AppendChild(node);
    return node;
  }

  // Removed nodes stay alive through the group; the history takes them over.
  void TearDown() override {
    if (m_undo && m_undo->GetCount() > 0) m_document.PushUndo(m_undo.release());
  }

  Bytes TreeBytes() { return StoreBytes([&](CArchive& ar) { ar.WriteObject(m_root.get()); }); }

  // Hands the session's group to the history, undoes it and checks the tree is as before.
  void ExpectUndoRestores(const Bytes& before) {
    CUndoGroup* group = m_undo.release();
    m_document.PushUndo(group);
    EXPECT_EQ(m_executor.Undo(*group), UndoResult::Applied);
    EXPECT_EQ(TreeBytes(), before);
  }

  CFakeDocumentServices m_document;
  CFakeEditView m_view;
  CUndoExecutor m_executor{m_document, m_view};
  std::unique_ptr<CEditNode> m_root = std::make_unique<CEditNode>(NTYPE_EDITPRINT);
  std::unique_ptr<CUndoGroup> m_undo = std::make_unique<CUndoGroup>();
  CEditCaret m_caret;
};
