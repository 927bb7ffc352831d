#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <regex>

#include "elements/EditPrint.h"
#include "model/XmlElementTable.h"
#include "platform/DomDocument.h"
#include "tests/support/StringWPrint.h"
#include "xmlformat/XmlResources.h"

namespace {

std::u16string Load(int nId) {
  std::u16string text;
  EXPECT_TRUE(LoadXmlResource(nId, text)) << nId;
  return text;
}

std::u16string Replace(std::u16string text, const std::u16string& from, const std::u16string& to) {
  for (size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

CDomDocument Parsed(int nId) {
  CDomDocument doc;
  EXPECT_TRUE(doc.loadXML(Load(nId))) << nId << ": " << QString::fromStdU16String(doc.parseError().Message()).toStdString();
  doc.setProperty(u"SelectionNamespaces",
                  u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform' xmlns:fo='http://www.w3.org/1999/XSL/Format'");
  return doc;
}

TEST(XmlResources, AllFiveParse) {
  for (int nId : {290, 291, 292, 371, 372}) {
    CDomDocument doc = Parsed(nId);
    EXPECT_TRUE(doc.documentElement()) << nId;
  }
  std::u16string text;
  EXPECT_FALSE(LoadXmlResource(293, text));
}

TEST(XmlResources, NewSheetsTransformToAnFoRoot) {
  for (int nId : {290, 371}) {
    CDomDocument doc = Parsed(nId);
    CDomDocument result;
    ASSERT_TRUE(result.loadXML(doc.transformNode(doc.selectSingleNode(u"//xsl:stylesheet"))));
    EXPECT_EQ(result.documentElement().nodeName(), u"fo:root");
    result.setProperty(u"SelectionNamespaces", u"xmlns:fo='http://www.w3.org/1999/XSL/Format'");
    CDomNodeList runs = result.selectNodes(u"//fo:flow//fo:inline");
    ASSERT_EQ(runs.length(), 4);
    EXPECT_EQ(runs.item(0).text(), u"");
  }
}

// The vertical documents are the horizontal ones with the writing mode, and the new sheet
// also with the page turned.
TEST(XmlResources, VerticalTwinsDifferOnlyInWritingModeAndPageSize) {
  const std::u16string mode = u"writing-mode=\"tb-rl\" ";
  EXPECT_EQ(Replace(Load(372), mode, u""), Load(292));
  std::u16string turned = Replace(Replace(Load(371), mode, u""), u"page-height=\"210mm\" page-width=\"297mm\"",
                                  u"page-height=\"297mm\" page-width=\"210mm\"");
  EXPECT_EQ(turned, Load(290));
}

TEST(XmlResources, StylesheetCommentSurvivesASave) {
  CDomDocument doc = Parsed(292);
  QTemporaryDir dir;
  std::u16string path = dir.filePath("base.qvp").toStdU16String();
  doc.save(path);
  CDomDocument reloaded;
  ASSERT_TRUE(reloaded.load(path));
  CDomNodeList top = reloaded.childNodes();
  ASSERT_EQ(top.length(), 2);
  EXPECT_EQ(top.item(0).nodeType(), NODE_COMMENT);
  EXPECT_EQ(top.item(0).nodeValue(), u"<?xml-stylesheet type=\"text/xsl\" href=\"#style1\"?>");
  EXPECT_EQ(top.item(1).nodeName(), u"print");
}

// The new sheets' flow paths are relative; they split into the same steps as absolute ones.
// Their question list is empty, which a sheet root accepts.
TEST(XmlResources, NewSheetPathsAndQuestionListAreAccepted) {
  CDomDocument doc = Parsed(290);
  CDomNodeList calls = doc.selectNodes(u"//fo:flow/xsl:apply-templates/@select");
  ASSERT_EQ(calls.length(), 4);
  for (LONG i = 0; i < calls.length(); ++i) {
    CStringW relative(calls.item(i).nodeValue());
    CStringW absolute = u"/" + relative;
    std::vector<CStringW> relativeSteps, absoluteSteps;
    SplitXPath(relativeSteps, relative);
    SplitXPath(absoluteSteps, absolute);
    EXPECT_EQ(relativeSteps, absoluteSteps);
    EXPECT_EQ(relativeSteps.size(), 4u);
  }
  EXPECT_EQ(doc.selectSingleNode(u"//MondaiID").text(), u"");
  CEditPrint print;
  EXPECT_TRUE(print.ApplyQuestionInfos());
}

TEST(XmlResources, StoredFormsDecode) {
  QByteArray utf16;
  for (char16_t c : std::u16string(u"\uFEFF<a>字</a>\0junk", 14)) utf16.append(char(c & 0xFF)).append(char(c >> 8));
  EXPECT_EQ(DecodeXmlResource(utf16), u"<a>字</a>");
  EXPECT_EQ(DecodeXmlResource(QByteArray("\xEF\xBB\xBF<b/>")), u"<b/>");
  EXPECT_EQ(DecodeXmlResource(QByteArray("<c/>")), u"<c/>");
}

}  // namespace
