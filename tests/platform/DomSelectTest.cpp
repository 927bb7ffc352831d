#include <gtest/gtest.h>

#include "platform/DomDocument.h"
#include "platform/DomException.h"

namespace {

const char16_t kTemplate[] =
    u"<print><dmon><mon><dai/></mon></dmon>"
    u"<xsl:stylesheet xmlns:xsl='http://www.w3.org/1999/XSL/Transform' "
    u"xmlns:fo='http://www.w3.org/1999/XSL/Format' id='style1' version='1.0'>"
    u"<xsl:template match='/'><fo:root><fo:layout-master-set>"
    u"<fo:simple-page-master writing-mode='tb-rl' page-height='297mm' master-name='BodyPage'/>"
    u"<fo:simple-page-master page-height='297mm' master-name='KimeiBodyPage'/>"
    u"</fo:layout-master-set><fo:flow/></fo:root></xsl:template>"
    u"<xsl:template match='/print/dmon[1]/mon/dai'/>"
    u"</xsl:stylesheet></print>";

const char16_t kFo[] = u"xmlns:fo='http://www.w3.org/1999/XSL/Format'";
const char16_t kXsl[] = u"xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\"";

CDomDocument LoadedTemplate() {
  CDomDocument doc;
  EXPECT_TRUE(doc.loadXML(kTemplate));
  doc.setProperty(u"SelectionLanguage", u"XPath");
  return doc;
}

}  // namespace

TEST(DomSelect, NamespacePrefixesComeFromSelectionNamespaces) {
  CDomDocument doc = LoadedTemplate();
  doc.setProperty(u"SelectionNamespaces", kFo);
  CDomNodeList masters = doc.selectNodes(u"//fo:simple-page-master");
  ASSERT_EQ(masters.length(), 2);
  EXPECT_EQ(masters.item(0).attributes().item(0).nodeName(), u"writing-mode");
  EXPECT_EQ(masters.item(1).attributes().item(1).nodeValue(), u"KimeiBodyPage");

  // The writer sets one declaration, then another: only the last one counts.
  doc.setProperty(u"SelectionNamespaces", kXsl);
  EXPECT_THROW(doc.selectNodes(u"//fo:simple-page-master"), CDomException);
  CDomNode stylesheet = doc.selectSingleNode(u"//xsl:stylesheet");
  ASSERT_TRUE(stylesheet);
  // Relative from an element: its first xsl:template child.
  EXPECT_EQ(stylesheet.selectSingleNode(u"xsl:template").attributes().item(0).nodeValue(), u"/");
  EXPECT_EQ(stylesheet.selectNodes(u"xsl:template").length(), 2);

  doc.setProperty(u"SelectionNamespaces", std::u16string(kFo) + u"\n " + kXsl);
  EXPECT_EQ(doc.selectNodes(u"//xsl:template/fo:root").length(), 1);
}

TEST(DomSelect, PathsWithoutPrefixesAndAttributes) {
  CDomDocument doc = LoadedTemplate();
  CDomNode dai = doc.selectSingleNode(u"/print/dmon[1]/mon/dai");
  ASSERT_TRUE(dai);
  EXPECT_EQ(dai.nodeName(), u"dai");
  EXPECT_FALSE(doc.selectSingleNode(u"/print/dmon[2]/mon/dai"));
  EXPECT_EQ(doc.selectNodes(u"//SearchProgID").length(), 0);
  EXPECT_EQ(doc.documentElement().selectSingleNode(u"dmon/mon"), dai.selectSingleNode(u".."));
  CDomNodeList ids = doc.selectNodes(u"//@id");
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(ids.item(0).nodeType(), NODE_ATTRIBUTE);
  EXPECT_EQ(ids.item(0).nodeValue(), u"style1");
}

TEST(DomSelect, BadExpressionsAndPropertiesThrow) {
  CDomDocument doc = LoadedTemplate();
  for (const char16_t* expression : {u"//fo:flow", u"count(//dai)", u"//[", u"", u"concat('a','b')"})
    EXPECT_THROW(doc.selectNodes(expression), CDomException) << ::testing::PrintToString(std::u16string(expression));
  for (const char16_t* value :
       {u"xmlns:fo=", u"xmlns:fo='unclosed", u"fo='x'", u"xmlns:='x'", u"xmlns:f o='x'", u"xmlnsfo='x'"})
    EXPECT_THROW(doc.setProperty(u"SelectionNamespaces", value), CDomException) << ::testing::PrintToString(std::u16string(value));
  EXPECT_THROW(doc.setProperty(u"SelectionLanguage", u"XSLPattern"), CDomException);
  EXPECT_THROW(doc.setProperty(u"ProhibitDTD", u"true"), CDomException);
  doc.setProperty(u"SelectionNamespaces", u"");
  doc.setProperty(u"SelectionNamespaces", u"xmlns='urn:default'");
  EXPECT_EQ(doc.selectNodes(u"//dai").length(), 1);
}
