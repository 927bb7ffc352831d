#include <gtest/gtest.h>

#include <memory>

#include "elements/EditPrint.h"

namespace {

class EditPrintQuestionInfosTest : public ::testing::Test {
 protected:
  CEditSentence* Add(int major, int minor, int kind) {
    auto* part = new CEditSentence;
    part->m_nMajor = major;
    part->m_nMinor = minor;
    part->m_nKind = kind;
    sheet.AppendChild(part);
    return part;
  }
  static void Register(CEditSentence* part, int id) {
    part->m_mondaiInfo.SetClassification(1, 2, 3, 0, 0, 0);
    part->m_mondaiInfo.SetIds(id, 0, 0);
  }
  static std::pair<int, int> Ids(const CEditSentence* part) {
    return {part->m_mondaiInfo.m_nId, part->m_mondaiInfo.m_nSubId};
  }
  void AddRecord(int id, int subId) {
    auto info = std::make_unique<CMondaiInfo>();
    info->SetClassification(5, 0, 0, 0, 0, 0);
    info->SetIds(id, subId, 0);
    sheet.m_listMondaiInfo.push_back(std::move(info));
  }

  CEditPrint sheet;
};

TEST_F(EditPrintQuestionInfosTest, UnregisteredQuestionsGetProvisionalIds) {
  CEditSentence* q1 = Add(1, 0, 1);
  CEditSentence* a1 = Add(1, 0, 3);
  CEditSentence* q2 = Add(2, 0, 1);
  CEditSentence* q21 = Add(2, 1, 1);
  CEditSentence* r21 = Add(2, 1, 2);
  CEditSentence* q22 = Add(2, 2, 1);
  CEditSentence* e22 = Add(2, 2, 4);

  ASSERT_TRUE(sheet.CollectQuestionInfos());
  EXPECT_EQ(Ids(q1), std::make_pair(99980001, 0));
  EXPECT_EQ(Ids(a1), std::make_pair(99980001, 0));
  EXPECT_EQ(Ids(q2), std::make_pair(99980002, 0));
  EXPECT_EQ(Ids(q21), std::make_pair(99980002, 20001));
  EXPECT_EQ(Ids(r21), std::make_pair(99980002, 20001));
  EXPECT_EQ(Ids(q22), std::make_pair(99980002, 20002));
  EXPECT_EQ(Ids(e22), std::make_pair(99980002, 20002));

  // One record per question part, in document order; still unregistered.
  ASSERT_EQ(sheet.m_listMondaiInfo.size(), 4u);
  EXPECT_EQ(sheet.m_listMondaiInfo[3]->m_nSubId, 20002);
  EXPECT_TRUE(sheet.m_listMondaiInfo[3]->IsUnregistered());
}

TEST_F(EditPrintQuestionInfosTest, RegisteredMajorKeepsItsIdAndLendsItToUnregisteredMinors) {
  CEditSentence* q1 = Add(1, 0, 1);
  Register(q1, 1234);
  CEditSentence* q11 = Add(1, 1, 1);
  CEditSentence* q12 = Add(1, 2, 1);
  Register(q12, 555);
  q12->m_mondaiInfo.m_nSubId = 7;
  CEditSentence* q13 = Add(1, 3, 1);
  CEditSentence* q2 = Add(2, 0, 1);

  ASSERT_TRUE(sheet.CollectQuestionInfos());
  EXPECT_EQ(Ids(q1), std::make_pair(1234, 0));
  EXPECT_EQ(Ids(q11), std::make_pair(1234, 20001));
  EXPECT_EQ(Ids(q12), std::make_pair(555, 7));
  EXPECT_EQ(Ids(q13), std::make_pair(1234, 20002));
  EXPECT_EQ(Ids(q2), std::make_pair(99980001, 0));
}

TEST_F(EditPrintQuestionInfosTest, AnEditedPartMarksItsQuestionChangedInAllFourParts) {
  CEditSentence* parts[4];
  for (int kind = 1; kind <= 4; ++kind) parts[kind - 1] = Add(1, 0, kind);
  CEditSentence* other = Add(2, 0, 1);
  parts[2]->m_bModified = 1;

  ASSERT_TRUE(sheet.CollectQuestionInfos());
  ASSERT_EQ(sheet.m_listMondaiInfo.size(), 2u);
  EXPECT_EQ(sheet.m_listMondaiInfo[0]->m_bChanged, 1);
  for (CEditSentence* part : parts) EXPECT_EQ(part->m_mondaiInfo.m_bChanged, 1);
  EXPECT_EQ(sheet.m_listMondaiInfo[1]->m_bChanged, 0);
  EXPECT_EQ(other->m_mondaiInfo.m_bChanged, 0);
}

TEST_F(EditPrintQuestionInfosTest, CollectingReplacesTheListAndNeedsParts) {
  EXPECT_FALSE(sheet.CollectQuestionInfos());
  AddRecord(1, 0);
  AddRecord(2, 0);
  Add(1, 0, 1);
  Add(1, 0, 2);
  ASSERT_TRUE(sheet.CollectQuestionInfos());
  ASSERT_EQ(sheet.m_listMondaiInfo.size(), 1u);
  EXPECT_EQ(sheet.m_listMondaiInfo[0]->m_nKind, 1);
}

TEST_F(EditPrintQuestionInfosTest, AppliesRecordsToQuestionsAndTheirParts) {
  CEditSentence* q1 = Add(1, 0, 1);
  CEditSentence* f1 = Add(1, 0, 2);
  CEditSentence* q11 = Add(1, 1, 1);
  CEditSentence* a11 = Add(1, 1, 3);
  CEditSentence* q2 = Add(2, 0, 1);
  AddRecord(100, 0);
  AddRecord(100, 1);

  ASSERT_TRUE(sheet.ApplyQuestionInfos());
  EXPECT_EQ(Ids(q1), std::make_pair(100, 0));
  EXPECT_EQ(Ids(f1), std::make_pair(100, 0));
  EXPECT_FALSE(f1->m_mondaiInfo.IsUnregistered());
  EXPECT_EQ(Ids(q11), std::make_pair(100, 1));
  EXPECT_EQ(Ids(a11), std::make_pair(100, 1));
  EXPECT_EQ(Ids(q2), std::make_pair(-1, -1));  // the list ran out
}

TEST_F(EditPrintQuestionInfosTest, AnEmptyListAppliesWithOrWithoutParts) {
  EXPECT_TRUE(sheet.ApplyQuestionInfos());
  Add(1, 0, 1);
  EXPECT_TRUE(sheet.ApplyQuestionInfos());

  CEditPrint empty;
  empty.m_listMondaiInfo.push_back(std::make_unique<CMondaiInfo>());
  EXPECT_FALSE(empty.ApplyQuestionInfos());
}

TEST_F(EditPrintQuestionInfosTest, FindsAPartByIdsAndKind) {
  CEditSentence* q1 = Add(1, 0, 1);
  CEditSentence* a1 = Add(1, 0, 3);
  Add(2, 0, 1);
  ASSERT_TRUE(sheet.CollectQuestionInfos());

  CMondaiInfo wanted;
  wanted.SetIds(99980001, 0, 0);
  EXPECT_EQ(sheet.FindPartByIds(&wanted, 1), q1);
  EXPECT_EQ(sheet.FindPartByIds(&wanted, 3), a1);
  EXPECT_EQ(sheet.FindPartByIds(&wanted, 2), nullptr);
  wanted.m_nSubId = 1;
  EXPECT_EQ(sheet.FindPartByIds(&wanted, 1), nullptr);
  EXPECT_EQ(sheet.FindPartByIds(nullptr, 1), nullptr);
}

}  // namespace
