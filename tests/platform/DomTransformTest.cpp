#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "platform/DomDocument.h"
#include "platform/DomException.h"

namespace {

// A sheet in the shape the writer produces: data beside an embedded stylesheet.
const char16_t kSheet[] =
    u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
    u"<print><dmon><mon><dai><sp>①漢文 &amp; &lt;b&gt;</sp><sp xml:space=\"preserve\">   </sp></dai></mon></dmon>"
    u"<xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
    u"xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" id=\"style1\" version=\"1.0\">"
    u"<xsl:template match=\"/\"><fo:root><fo:page-sequence master-reference=\"SequenceMaster\">"
    u"<fo:flow flow-name=\"xsl-region-body\"><xsl:apply-templates select=\"/print/dmon[1]/mon/dai\"/></fo:flow>"
    u"</fo:page-sequence></fo:root></xsl:template>"
    u"<xsl:template match=\"/print/dmon[1]/mon/dai\"><fo:block-container><fo:block>"
    u"<fo:inline><xsl:value-of select=\"sp[1]\"/></fo:inline>"
    u"<fo:inline xml:space=\"preserve\"><xsl:value-of select=\"sp[2]\"/></fo:inline>"
    u"</fo:block></fo:block-container></xsl:template>"
    u"</xsl:stylesheet></print>";

const char16_t kNamespaces[] =
    u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform' xmlns:fo='http://www.w3.org/1999/XSL/Format'";

// As the reader does it: take the stylesheet out, apply it, load the result.
std::u16string TransformEmbedded(CDomDocument& doc) {
  doc.setProperty(u"SelectionNamespaces", kNamespaces);
  CDomNode stylesheet = doc.documentElement().removeChild(doc.selectSingleNode(u"//xsl:stylesheet"));
  return doc.transformNode(stylesheet);
}

CDomNode EmbeddedStylesheetFrom(const std::u16string& body) {
  static CDomDocument holder;
  EXPECT_TRUE(holder.loadXML(u"<xsl:stylesheet xmlns:xsl='http://www.w3.org/1999/XSL/Transform' version='1.0'>" +
                             body + u"</xsl:stylesheet>"));
  return holder.documentElement();
}

// A sheet root holding `count` empty elements `a`.
std::u16string PrintOfElements(int count) {
  std::u16string source = u"<print>";
  for (int i = 0; i < count; ++i) source += u"<a/>";
  return source + u"</print>";
}

// The stylesheet stops with `error` and `description`; the budget is the transformation's own,
// so parsing and the next transformation run in full.
void ExpectStoppedWith(CDomDocument& doc, const std::u16string& body, LONG error, const std::u16string& description) {
  try {
    doc.transformNode(EmbeddedStylesheetFrom(body));
    ADD_FAILURE() << "the transformation should have stopped";
  } catch (const CDomException& e) {
    EXPECT_EQ(e.Error(), error);
    EXPECT_EQ(e.Description(), description);
  }
  CDomDocument sheet;
  ASSERT_TRUE(sheet.loadXML(kSheet));
  EXPECT_FALSE(TransformEmbedded(sheet).empty());
}

}  // namespace

TEST(DomTransform, EmbeddedStylesheetGivesTheFoDocument) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(kSheet));
  std::u16string result = TransformEmbedded(doc);
  ASSERT_FALSE(result.empty());
  ASSERT_TRUE(doc.loadXML(result)) << result.size();
  EXPECT_EQ(doc.documentElement().nodeName(), u"fo:root");
  doc.setProperty(u"SelectionNamespaces", kNamespaces);
  CDomNodeList inlines = doc.selectNodes(u"//fo:flow/fo:block-container/fo:block/fo:inline");
  ASSERT_EQ(inlines.length(), 2);
  EXPECT_EQ(inlines.item(0).text(), u"①漢文 & <b>");
  EXPECT_EQ(inlines.item(1).text(), u"   ");
}

TEST(DomTransform, LeavesSourceAndStylesheetUnchanged) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(kSheet));
  doc.setProperty(u"SelectionNamespaces", kNamespaces);
  CDomNode stylesheet = doc.selectSingleNode(u"//xsl:stylesheet");
  std::u16string before = doc.documentElement().text();
  std::u16string first = doc.transformNode(stylesheet);
  EXPECT_EQ(doc.transformNode(stylesheet), first);
  EXPECT_EQ(doc.documentElement().text(), before);
  EXPECT_EQ(doc.documentElement().childNodes().length(), 2);
}

TEST(DomTransform, EmptyResultGivesEmptyText) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<print/>"));
  EXPECT_EQ(doc.transformNode(EmbeddedStylesheetFrom(u"<xsl:template match='/'/>")), u"");
}

TEST(DomTransform, BrokenStylesheetsThrow) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<print><a/></print>"));
  CDomDocument notXslt;
  ASSERT_TRUE(notXslt.loadXML(u"<html/>"));
  EXPECT_THROW(doc.transformNode(notXslt), CDomException);
  EXPECT_THROW(doc.transformNode(EmbeddedStylesheetFrom(u"<xsl:template match='///'/>")), CDomException);
  EXPECT_THROW(
      doc.transformNode(EmbeddedStylesheetFrom(u"<xsl:template match='/'><xsl:message terminate='yes'>stop</xsl:message>"
                                               u"</xsl:template>")),
      CDomException);
  EXPECT_THROW(doc.transformNode(EmbeddedStylesheetFrom(
                   u"<xsl:template name='loop'><xsl:call-template name='loop'/></xsl:template>"
                   u"<xsl:template match='/'><xsl:call-template name='loop'/></xsl:template>")),
               CDomException);
  EXPECT_THROW(doc.transformNode(doc.documentElement().childNodes().item(0).attributes().item(0)), CDomException);
}

// Each template calls the next one twice: 2^40 calls unless the step budget stops it.
TEST(DomTransform, RunawayStylesheetsStopWithinTheirBudget) {
  std::u16string chain = u"<xsl:template match='/'><r><xsl:call-template name='t0'/></r></xsl:template>";
  for (int i = 0; i < 40; ++i) {
    const std::u16string next = u"t" + QString::number(i + 1).toStdU16String();
    chain += u"<xsl:template name='t" + QString::number(i).toStdU16String() + u"'><xsl:call-template name='" + next +
             u"'/><xsl:call-template name='" + next + u"'/></xsl:template>";
  }
  chain += u"<xsl:template name='t40'/>";
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<print/>"));
  ExpectStoppedWith(doc, chain, DOM_E_FAIL, u"The transformation failed: it runs longer than any sheet needs.");
}

// One expression of nested predicates over 1,000 elements: 10^9 operations in a single step.
TEST(DomTransform, RunawayExpressionsStopWithinTheirBudget) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(PrintOfElements(1000)));
  ExpectStoppedWith(doc,
                    u"<xsl:template match='/'><r><xsl:value-of select='count(//a[count(//a[count(//a) &gt; 0]) &gt; 0])'/>"
                    u"</r></xsl:template>",
                    DOM_E_FAIL, u"The transformation failed: it runs longer than any sheet needs.");
}

TEST(DomTransform, StylesheetsCannotReachFilesOrNetwork) {
  QTemporaryDir dir;
  QString written = dir.filePath("written.xml");
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<print/>"));
  std::u16string body[] = {
      u"<xsl:template match='/'><r><xsl:copy-of select=\"document('file:///etc/passwd')\"/></r></xsl:template>",
      u"<xsl:template match='/'><r><xsl:copy-of select=\"document('http://127.0.0.1:9/x.xml')\"/></r></xsl:template>",
      u"<xsl:template match='/'><xsl:document href='" + written.toStdU16String() +
          u"'><x/></xsl:document><r/></xsl:template>",
  };
  for (const std::u16string& b : body) {
    try {
      std::u16string result = doc.transformNode(EmbeddedStylesheetFrom(b));
      EXPECT_EQ(result.find(u"root:"), std::u16string::npos);
    } catch (const CDomException&) {
    }
  }
  EXPECT_FALSE(QFile::exists(written));
  EXPECT_THROW(doc.transformNode(EmbeddedStylesheetFrom(u"<xsl:import href='file:///etc/passwd'/>")), CDomException);
}

// Variables v1 to v<count>, each made of its predecessor twice by `twice`, in which $p stands
// for the predecessor.
std::u16string DoublingVariables(int count, const QString& twice) {
  QString variables;
  for (int i = 1; i <= count; ++i)
    variables += QString("<xsl:variable name='v%1'>").arg(i) + QString(twice).replace("$p", QString("$v%1").arg(i - 1)) +
                 "</xsl:variable>";
  return variables.toStdU16String();
}

// Each takes gigabytes unless the memory budget stops it: a tree doubled thirty times, a string
// doubled thirty times, and one copy of every branch of a comb (60 teeth of 512 KB each, 900 MB).
TEST(DomTransform, StylesheetsThatOutgrowTheirMemoryStopCleanly) {
  const std::u16string bodies[] = {
      u"<xsl:template match='/'><xsl:variable name='v0'><x a='1'/></xsl:variable>" +
          DoublingVariables(30, "<xsl:copy-of select='$p'/><xsl:copy-of select='$p'/>") +
          u"<r><xsl:copy-of select='$v30'/></r></xsl:template>",
      u"<xsl:template match='/'><xsl:variable name='v0' select=\"'0123456789abcdef'\"/>" +
          DoublingVariables(30, "<xsl:value-of select='concat($p, $p)'/>") + u"<r><xsl:copy-of select='$v30'/></r></xsl:template>",
      u"<xsl:variable name='v0' select=\"'0123456789abcdef'\"/>" + DoublingVariables(15, "<xsl:value-of select='concat($p, $p)'/>") +
          u"<xsl:template name='comb'><xsl:param name='teeth'/><n><xsl:value-of select='$v15'/>"
          u"<xsl:if test='$teeth &gt; 1'><xsl:call-template name='comb'>"
          u"<xsl:with-param name='teeth' select='$teeth - 1'/></xsl:call-template></xsl:if></n></xsl:template>"
          u"<xsl:template match='/'><xsl:variable name='comb'><xsl:call-template name='comb'>"
          u"<xsl:with-param name='teeth' select='60'/></xsl:call-template></xsl:variable>"
          u"<r><xsl:copy-of xmlns:x='http://xmlsoft.org/XSLT/namespace' select='x:node-set($comb)//n'/></r></xsl:template>",
  };
  for (const std::u16string& body : bodies) {
    CDomDocument doc;
    ASSERT_TRUE(doc.loadXML(u"<print/>"));
    ExpectStoppedWith(doc, body, DOM_E_OUTOFMEMORY, u"The transformation failed: it takes more memory than any sheet needs.");
  }
}

// A stylesheet that reports a message for each of 2,000 elements before it fails: the failure
// tells the first ones, not megabytes of them.
TEST(DomTransform, FailureKeepsTheFirstMessagesOnly) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(PrintOfElements(2000)));
  const std::u16string message(1000, u'm');
  try {
    doc.transformNode(EmbeddedStylesheetFrom(u"<xsl:template match='/'><xsl:for-each select='//a'><xsl:message>" + message +
                                             u"</xsl:message></xsl:for-each><xsl:message terminate='yes'>stop</xsl:message>"
                                             u"</xsl:template>"));
    ADD_FAILURE() << "the transformation should have failed";
  } catch (const CDomException& e) {
    EXPECT_NE(e.Description().find(message), std::u16string::npos);
    EXPECT_LT(e.Description().size(), 100000u);
  }
}

// A stylesheet of the sheet's shape: the root template applies one path per part, two parts
// to a question, each path walks the questions before its own, and each part has a template of
// its own. Its XPath work grows with the questions squared, past any fixed budget, and still
// runs in full.
TEST(DomTransform, StylesheetsOfLargeSheetsRunInFull) {
  constexpr int kQuestions = 2500;
  std::u16string source = u"<print>";
  std::u16string calls;
  std::u16string templates;
  for (int i = 1; i <= kQuestions; ++i) {
    source += u"<q><b/><c/></q>";
    for (const char16_t* part : {u"/b", u"/c"}) {
      const std::u16string path = u"/print/q[" + QString::number(i).toStdU16String() + u"]" + part;
      calls += u"<xsl:apply-templates select='" + path + u"'/>";
      templates += u"<xsl:template match='" + path + u"'><p/></xsl:template>";
    }
  }
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(source + u"</print>"));
  const std::u16string result =
      doc.transformNode(EmbeddedStylesheetFrom(u"<xsl:template match='/'><r>" + calls + u"</r></xsl:template>" + templates));
  ASSERT_TRUE(doc.loadXML(result));
  EXPECT_EQ(doc.selectNodes(u"/r/p").length(), 2 * kQuestions);
}
