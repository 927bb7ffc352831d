#include <QString>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xmlformat/QuestionIdText.h"

namespace {

struct ID_ROW {
  const char16_t* text;
  bool bSecondForm;
  // Per record: kind, first classification value, id, sub id, changed.
  std::vector<std::vector<int>> records;
};

std::vector<std::vector<int>> Records(const MONDAI_INFO_LIST& list) {
  std::vector<std::vector<int>> out;
  for (const auto& info : list)
    out.push_back({info->m_nKind, info->m_arrClass[0], info->m_nId, info->m_nSubId, info->m_bChanged});
  return out;
}

const ID_ROW kRows[] = {
    // Thirteen-digit keys: eight digits of id, five of sub id, registered in the old form.
    {u"1234567800001,1,8765432100002,0,", false, {{1, 998, 12345678, 1, 1}, {1, 998, 87654321, 2, 0}}},
    // Blanks and carriage returns vanish; a line feed separates too.
    {u" 12345 67800001 \r\n1\n", false, {{1, 998, 12345678, 1, 1}}},
    // A pending key at the end still makes a record, with its changed flag when one followed.
    {u"1234500007", false, {{1, 998, 12345, 7, 0}}},
    {u"1234500007,1", false, {{1, 998, 12345, 7, 1}}},
    // A short key is a new unregistered question, never the previous question's ids.
    {u"1234567800001,0,123,1,", false, {{1, 998, 12345678, 1, 0}, {1, 999, -1, -1, 1}}},
    {u"", false, {}},
    {u"1,2,3,4,5,6,77,88,1,9,0,0,0,0,0,-1,-1,0,", true,
     {{2, 1, 77, 88, 1}, {2, 9, -1, -1, 0}}},
    // The last record needs no final comma; a lone value makes none.
    {u"999,0,0,0,0,0,5,6,1", true, {{2, 999, 5, 6, 1}}},
    {u"42", true, {}},
    {u"1,2", true, {{2, 1, 0, 0, 0}}},
};

}  // namespace

TEST(QuestionIdText, ReadsBothForms) {
  for (const ID_ROW& row : kRows) {
    MONDAI_INFO_LIST list;
    if (row.bSecondForm)
      ParseMondaiId2Text(CStringW(row.text), list);
    else
      ParseMondaiIdText(CStringW(row.text), list);
    EXPECT_EQ(Records(list), row.records) << QString::fromUtf16(row.text).toStdString();
  }
}
