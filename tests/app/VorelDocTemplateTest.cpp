#include <gtest/gtest.h>

#include "app/VorelDocTemplate.h"
#include "resources/Resource.h"

namespace {

TEST(VorelDocTemplate, DocumentStringAndDocumentTypes) {
  CVorelDocTemplate docTemplate(IDR_MAINFRAME, nullptr, nullptr);
  EXPECT_EQ(docTemplate.GetDocString(CVorelDocTemplate::filterExt), CStringW(u".qvp"));
  EXPECT_EQ(docTemplate.GetDocString(CVorelDocTemplate::filterName), CStringW(u"プリントファイル(*.qvp)"));
  EXPECT_EQ(docTemplate.GetDocString(CVorelDocTemplate::regFileTypeName), CStringW(u"Vorel Document"));

  struct Case { const char* path; CVorelDocTemplate::Confidence confidence; } cases[] = {
      {"/tmp/sheet.qvp", CVorelDocTemplate::yesAttemptNative},
      {"/tmp/SHEET.QVP", CVorelDocTemplate::yesAttemptNative},
      {"/tmp/sheet.qvf", CVorelDocTemplate::yesAttemptForeign},
      {"/tmp/a.qvp.bak", CVorelDocTemplate::yesAttemptForeign},
      {"/tmp/sheet", CVorelDocTemplate::yesAttemptForeign},
  };
  for (const Case& c : cases) {
    CVorelDoc* open = reinterpret_cast<CVorelDoc*>(1);
    EXPECT_EQ(docTemplate.MatchDocType(c.path, &open), c.confidence) << c.path;
    EXPECT_EQ(open, nullptr);
  }
}

}  // namespace
