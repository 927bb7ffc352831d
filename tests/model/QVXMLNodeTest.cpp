#include <gtest/gtest.h>

#include <memory>

#include "model/QVXMLNode.h"
#include "tests/support/Bytes.h"

namespace {

constexpr DWORD kChar = 0x01001001;
constexpr DWORD kSentence = 0x20001002;

class CTestLeafNode : public CQVXMLNode {
  DECLARE_SERIAL(CTestLeafNode)

 public:
  LONG m_nExtra = 0;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) ar << m_nExtra;
    else ar >> m_nExtra;
    CQVXMLNode::Serialize(ar);
  }
};

IMPLEMENT_SERIAL(CTestLeafNode, CQVXMLNode, 1)

CQVXMLNode* Node(DWORD type, const char16_t* text = u"") {
  auto* node = new CQVXMLNode(type);
  if (*text) node->SetText(text);
  return node;
}

// a b CR c inside a sentence.
std::unique_ptr<CQVXMLNode> Sentence() {
  auto sentence = std::make_unique<CQVXMLNode>(kSentence);
  sentence->AppendChild(Node(kChar, u"a"));
  sentence->AppendChild(Node(kChar, u"b"));
  sentence->AppendChild(Node(NTYPE_EDITCR));
  sentence->AppendChild(Node(kChar, u"c"));
  return sentence;
}

void ExpectSameTree(const CQVXMLNode* a, const CQVXMLNode* b) {
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->GetRuntimeClass(), b->GetRuntimeClass());
  EXPECT_EQ(a->m_nType, b->m_nType);
  EXPECT_EQ(a->m_nReserved, b->m_nReserved);
  EXPECT_EQ(a->m_bSpaceOnly, b->m_bSpaceOnly);
  EXPECT_EQ(a->m_nBlockKind, b->m_nBlockKind);
  EXPECT_EQ(a->m_nContext, b->m_nContext);
  EXPECT_EQ(a->m_strText, b->m_strText);
  EXPECT_TRUE(b->m_mapAttributes.empty());
  ASSERT_EQ(a->GetChildCount(), b->GetChildCount());
  for (int i = 0; i < a->GetChildCount(); ++i) {
    EXPECT_EQ(b->GetChildAt(i)->m_pParent, b);
    ExpectSameTree(a->GetChildAt(i), b->GetChildAt(i));
  }
}

Bytes StoreTree(const CQVXMLNode* root) {
  return StoreBytes([&](CArchive& ar) { ar.WriteObject(root); });
}

std::unique_ptr<CQVXMLNode> LoadTree(const Bytes& bytes) {
  std::unique_ptr<CQVXMLNode> root;
  LoadBytes(bytes, [&](CArchive& ar) {
    root.reset(static_cast<CQVXMLNode*>(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode))));
  });
  return root;
}

}  // namespace

TEST(QVXMLNode, TextOfSubtreeTurnsLineEndsIntoCrLf) {
  auto sentence = Sentence();
  CStringW text;
  sentence->GetText(text);
  EXPECT_EQ(text, u"ab\r\nc");
  CStringW crText;
  sentence->GetChildAt(2)->GetText(crText);
  EXPECT_EQ(crText, u"\r\n");
}

TEST(QVXMLNode, SpaceOnlyFlagFollowsText) {
  CQVXMLNode node;
  EXPECT_EQ(node.SetText(u""), 1);
  EXPECT_EQ(node.SetText(u"  "), 1);
  EXPECT_EQ(node.SetText(u" x"), 0);
  node.SetText(u'\t');
  EXPECT_EQ(node.m_bSpaceOnly, 0);
  node.SetText(CStringW(u" "));
  EXPECT_EQ(node.m_bSpaceOnly, 1);
}

TEST(QVXMLNode, PositionAndStructure) {
  auto root = Sentence();
  CQVXMLNode* a = root->GetChildAt(0);
  CQVXMLNode* c = root->GetChildAt(3);
  EXPECT_EQ(root->GetIndex(), 0);
  EXPECT_EQ(c->GetIndex(), 3);
  EXPECT_EQ(c->GetRoot(), root.get());
  EXPECT_TRUE(root->IsChild(a));
  EXPECT_FALSE(root->IsDescendant(root.get()));
  EXPECT_EQ(root->GetFirstChild(), a);
  EXPECT_EQ(root->GetLastChild(), c);

  CQVXMLNode* first = Node(kChar, u"0");
  a->InsertBefore(first);
  EXPECT_EQ(root->GetChildAt(0), first);
  EXPECT_EQ(first->m_pParent, root.get());
  CQVXMLNode orphan;
  CQVXMLNode* unused = Node(kChar);
  orphan.InsertBefore(unused);  // no parent: nothing happens
  EXPECT_EQ(unused->m_pParent, nullptr);
  delete unused;

  a->Detach();
  EXPECT_EQ(a->m_pParent, nullptr);
  EXPECT_EQ(root->IndexOfChild(a), -1);
  root->InsertChild(1, a);
  EXPECT_EQ(root->GetChildAt(1), a);
  EXPECT_EQ(root->GetChildCount(), 5);

  // An index equal to the child count appends, also into an empty node.
  CQVXMLNode* last = Node(kChar);
  root->InsertChild(5, last);
  EXPECT_EQ(root->GetLastChild(), last);
  EXPECT_EQ(last->m_pParent, root.get());
  auto empty = std::make_unique<CQVXMLNode>();
  CQVXMLNode* only = Node(kChar);
  empty->InsertChild(0, only);
  EXPECT_EQ(empty->GetFirstChild(), only);
  EXPECT_EQ(only->m_pParent, empty.get());
}

TEST(QVXMLNode, OutOfRangeIndexesChangeNothing) {
  auto root = Sentence();
  CQVXMLNode stranger;
  CQVXMLNode* extra = Node(kChar);
  root->RemoveChildren(-1, 1);
  root->RemoveChildren(3, 2);
  root->RemoveChildren(4, 1);
  root->RemoveChildren(0, 0);
  root->RemoveChild(&stranger);
  root->RemoveChild(nullptr);
  root->InsertChild(5, extra);
  root->InsertChild(-1, extra);
  root->DeleteChildAt(4);
  root->DeleteChildAt(-1);
  EXPECT_EQ(root->GetChildCount(), 4);
  EXPECT_EQ(extra->m_pParent, nullptr);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(root->GetChildAt(i)->m_pParent, root.get());
  EXPECT_EQ(root->GetChildAt(4), nullptr);
  delete extra;

  CQVXMLNode empty;
  empty.RemoveChildren(0, 3);
  EXPECT_EQ(empty.GetChildCount(), 0);
}

TEST(QVXMLNode, RemoveKeepsNodesDeleteDestroysThem) {
  auto root = Sentence();
  std::unique_ptr<CQVXMLNode> b(root->GetChildAt(1)), cr(root->GetChildAt(2));
  root->RemoveChildren(1, 2);  // the caller owns removed nodes
  EXPECT_EQ(b->m_pParent, nullptr);
  EXPECT_EQ(cr->m_pParent, nullptr);
  EXPECT_EQ(root->GetChildCount(), 2);
  root->DeleteChildAt(0);
  EXPECT_EQ(root->GetChildCount(), 1);
  root->GetChildAt(0)->Delete();
  EXPECT_EQ(root->GetChildCount(), 0);
}

TEST(QVXMLNode, LevelWalksLookOneLevelUpOnly) {
  // root: [p: x] [q: (none)] [r: y]
  CQVXMLNode root(kSentence);
  CQVXMLNode* p = Node(kSentence);
  CQVXMLNode* q = Node(kSentence);
  CQVXMLNode* r = Node(kSentence);
  root.AppendChild(p);
  root.AppendChild(q);
  root.AppendChild(r);
  CQVXMLNode* x = Node(kChar, u"x");
  CQVXMLNode* y = Node(kChar, u"y");
  p->AppendChild(x);
  r->AppendChild(y);
  EXPECT_EQ(x->GetNextAtLevel(), nullptr);  // q has no children, r is not looked at
  EXPECT_EQ(y->GetPrevAtLevel(), nullptr);
  CQVXMLNode* z = Node(kChar, u"z");
  q->AppendChild(z);
  EXPECT_EQ(x->GetNextAtLevel(), z);
  EXPECT_EQ(y->GetPrevAtLevel(), z);
  EXPECT_EQ(p->GetNextSibling(), q);
  EXPECT_EQ(p->GetPrevSibling(), nullptr);
  EXPECT_EQ(root.GetNextSibling(), nullptr);
}

TEST(QVXMLNode, SearchesByWordAndByMask) {
  auto root = Sentence();
  CQVXMLNode* cr = root->GetChildAt(2);
  EXPECT_EQ(root->FindAncestor(kSentence, FALSE), nullptr);
  EXPECT_EQ(root->FindAncestor(kSentence, TRUE), root.get());
  EXPECT_EQ(cr->FindAncestor(kSentence, FALSE), root.get());
  EXPECT_EQ(cr->FindAncestorByMask(NT_CONTAINER, FALSE), root.get());
  EXPECT_EQ(cr->FindAncestorByMask(NT_LINEBREAK, FALSE), nullptr);
  EXPECT_EQ(cr->FindDescendantByMask(NT_LINEBREAK), cr);
  EXPECT_EQ(root->FindDescendantByMask(NT_LINEBREAK), cr);
  EXPECT_EQ(root->FindDescendant(kChar), root->GetChildAt(0));
  EXPECT_EQ(root->FindDescendant(0x12345), nullptr);
}

TEST(QVXMLNode, ContextIsCopiedDown) {
  auto root = Sentence();
  CQVXMLNode* inner = Node(kSentence);
  inner->AppendChild(Node(kChar, u"d"));
  root->AppendChild(inner);
  root->m_nContext = 2;
  root->SetContextRecursive();
  EXPECT_EQ(inner->GetChildAt(0)->m_nContext, 2);
  EXPECT_EQ(root->GetChildAt(0)->m_nContext, 2);
}

TEST(QVXMLNode, ArchiveRecordIsByteExact) {
  CQVXMLNode root(5);
  root.AppendChild(Node(kChar, u"a"));
  root.AppendChild(Node(kChar, u"b"));
  EXPECT_EQ(ToHex(StoreTree(&root)),
            "FF FF 01 00 0A 00 43 51 56 58 4D 4C 4E 6F 64 65 "  // new class CQVXMLNode
            "02 00 00 00 00 00 "                                  // empty text
            "05 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 02 00 00 00 "
            "01 80 04 00 00 00 61 00 00 00 "  // class 1 again, text "a"
            "01 10 00 01 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
            "01 80 04 00 00 00 62 00 00 00 "
            "01 10 00 01 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(QVXMLNode, TreesLoadBackEqualWithParentsSet) {
  auto root = Sentence();
  root->m_nReserved = 7;
  root->m_nBlockKind = 5;
  root->m_nContext = 6;
  root->m_mapAttributes[CStringW(u"id")] = CStringW(u"kanA0001");
  auto* leaf = new CTestLeafNode;
  leaf->m_nExtra = 99;
  leaf->m_nType = kChar;
  leaf->SetText(u"  ");
  root->GetChildAt(1)->AppendChild(leaf);
  auto loaded = LoadTree(StoreTree(root.get()));
  ExpectSameTree(root.get(), loaded.get());
  EXPECT_EQ(static_cast<CTestLeafNode*>(loaded->GetChildAt(1)->GetChildAt(0))->m_nExtra, 99);
  EXPECT_EQ(loaded->m_pParent, nullptr);
}

TEST(QVXMLNode, ManyNodesUseTheIndexEscape) {
  // 40,000 plain children put the first leaf-class record past index 0x7FFF; the second
  // leaf refers to its class through the escape.
  CQVXMLNode root(kSentence);
  for (int i = 0; i < 40000; ++i) root.AppendChild(Node(kChar, u"x"));
  root.AppendChild(new CTestLeafNode);
  root.AppendChild(new CTestLeafNode);
  Bytes bytes = StoreTree(&root);
  // Class CQVXMLNode 1, root 2, children 3..40002, CTestLeafNode class 40003.
  const std::string escaped = "FF 7F 43 9C 00 80";
  EXPECT_NE(ToHex(bytes).find(escaped), std::string::npos);
  auto loaded = LoadTree(bytes);
  ExpectSameTree(&root, loaded.get());
}

TEST(QVXMLNode, DamagedArchivesFailCleanly) {
  auto root = Sentence();
  Bytes good = StoreTree(root.get());
  // Every truncation fails with the archive exception and leaks nothing.
  for (size_t cut = 0; cut < good.size(); ++cut) {
    Bytes truncated(good.begin(), good.begin() + long(cut));
    EXPECT_THROW(LoadTree(truncated), CArchiveException) << cut;
  }
  Bytes hugeCount = good;
  hugeCount[16 + 6 + 20] = 0xFF;  // child count of the root
  hugeCount[16 + 6 + 23] = 0x7F;
  EXPECT_THROW(LoadTree(hugeCount), CArchiveException);
  Bytes negativeCount = good;
  negativeCount[16 + 6 + 23] = 0x80;
  EXPECT_THROW(LoadTree(negativeCount), CArchiveException);
  Bytes unknownClass = good;
  unknownClass[6] = 'X';
  EXPECT_THROW(LoadTree(unknownClass), CArchiveException);
  // A child that refers back to the root would make the root its own child.
  Bytes cycle = StoreBytes([](CArchive& ar) {
    CQVXMLNode node(kSentence);
    ar.WriteObject(&node);
  });
  cycle[16 + 6 + 20] = 1;
  cycle.push_back(0x02);
  cycle.push_back(0x00);
  EXPECT_THROW(LoadTree(cycle), CArchiveException);
}

TEST(QVXMLNode, CopyIntoReportsSuccessAndFailure) {
  auto root = Sentence();
  CQVXMLNode target;
  target.AppendChild(Node(kChar, u"old"));
  ASSERT_TRUE(root->CopyInto(&target));
  EXPECT_EQ(target.GetChildCount(), 5);  // appended to the existing child
  EXPECT_EQ(target.m_nType, kSentence);
  EXPECT_EQ(target.GetChildAt(4)->m_pParent, &target);
  CStringW text;
  target.GetText(text);
  EXPECT_EQ(text, u"oldab\r\nc");

  CTestLeafNode otherClass;
  EXPECT_FALSE(root->CopyInto(&otherClass));
  EXPECT_EQ(otherClass.GetChildCount(), 0);
  EXPECT_FALSE(root->CopyInto(nullptr));
  EXPECT_FALSE(root->CopyInto(root.get()));
}
