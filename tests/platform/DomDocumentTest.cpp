#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "platform/DomDocument.h"
#include "platform/DomException.h"

namespace {

class DomFiles : public ::testing::Test {
 protected:
  std::u16string PathOf(const char* name) const { return m_dir.filePath(name).toStdU16String(); }
  std::string ReadBytes(const std::u16string& path) const {
    QFile file(QString::fromStdU16String(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }
  void WriteBytes(const std::u16string& path, const std::string& bytes) const {
    QFile file(QString::fromStdU16String(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
  }

  QTemporaryDir m_dir;
};

}  // namespace

TEST(DomParse, ReportsWhereAndWhyParsingStopped) {
  struct Case {
    const char16_t* xml;
    long line, linepos;
    const char16_t* reasonPart;
  } cases[] = {
      {u"<a>\n  <b></a>", 2, 10, u"Opening and ending tag mismatch"},
      {u"<a x='1' x='2'/>", 1, 15, u"Attribute x redefined"},
      {u"<print>\n<fo:block/></print>", 2, 10, u"Namespace prefix fo"},
      {u"<a>&bogus;</a>", 1, 11, u"Entity 'bogus' not defined"},
      {u"", 1, 1, u"Document is empty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::u16string(c.xml)));
    CDomDocument doc;
    EXPECT_FALSE(doc.loadXML(c.xml));
    CDomParseError error = doc.parseError();
    EXPECT_NE(error.errorCode(), 0);
    EXPECT_EQ(error.line(), c.line);
    EXPECT_EQ(error.linepos(), c.linepos);
    EXPECT_NE(error.reason().find(c.reasonPart), std::u16string::npos) << ::testing::PrintToString(error.reason());
    EXPECT_FALSE(doc.documentElement());
  }
}

TEST(DomParse, MessageHasTheFormatTheReadersShow) {
  CDomDocument doc;
  ASSERT_FALSE(doc.loadXML(u"<a>\n<b></a>"));
  CDomParseError error = doc.parseError();
  EXPECT_EQ(error.errorCode(), 0x4c);
  EXPECT_EQ(error.Message().rfind(u"XML Parsing Error: Code=0x4c Source=Line:2; Char:", 0), 0u);
  EXPECT_EQ(error.Message(u"FO Parsing Error").rfind(u"FO Parsing Error: Code=0x4c", 0), 0u);
  EXPECT_NE(error.Message().find(u" Error Description=" + error.reason()), std::u16string::npos);
}

TEST(DomParse, SuccessClearsTheErrorAndReplacesTheContent) {
  CDomDocument doc;
  ASSERT_FALSE(doc.loadXML(u"<a>"));
  ASSERT_TRUE(doc.loadXML(u"<b/>"));
  EXPECT_EQ(doc.parseError().errorCode(), 0);
  EXPECT_EQ(doc.documentElement().nodeName(), u"b");
}

TEST(DomParse, DropsWhitespaceOnlyTextUnlessPreserved) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(
      u"<r>\n  <a> </a>\n  <sp xml:space=\"preserve\">   </sp>\n"
      u"  <p xml:space=\"preserve\"><q> </q><d xml:space=\"default\"> </d></p>\n"
      u"  <c><![CDATA[ ]]></c><m> x </m>\n</r>"));
  CDomNode root = doc.documentElement();
  CDomNodeList children = root.childNodes();
  ASSERT_EQ(children.length(), 5);
  for (LONG i = 0; i < children.length(); ++i) EXPECT_EQ(children.item(i).nodeType(), NODE_ELEMENT);
  EXPECT_EQ(doc.selectSingleNode(u"/r/a").childNodes().length(), 0);
  EXPECT_EQ(doc.selectSingleNode(u"/r/sp").text(), u"   ");
  EXPECT_EQ(doc.selectSingleNode(u"/r/p/q").text(), u" ");
  EXPECT_EQ(doc.selectSingleNode(u"/r/p/d").childNodes().length(), 0);
  EXPECT_EQ(doc.selectSingleNode(u"/r/c").childNodes().item(0).nodeType(), NODE_CDATA_SECTION);
  EXPECT_EQ(doc.selectSingleNode(u"/r/m").text(), u" x ");
}

TEST(DomParse, TextIgnoresTheDeclaredEncoding) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><a>①漢文</a>"));
  EXPECT_EQ(doc.documentElement().text(), u"①漢文");
  ASSERT_TRUE(doc.loadXML(u"<?xml version='1.0' encoding='Shift-JIS'?><a>①漢文</a>"));
  EXPECT_EQ(doc.documentElement().text(), u"①漢文");
}

TEST(DomParse, MalformedInputFailsCleanly) {
  std::u16string deep;
  for (int i = 0; i < 5000; ++i) deep += u"<a>";
  const std::u16string inputs[] = {
      u"<a",
      u"<a></b>",
      u"\u0001<a/>",
      u"<a>\u0000</a>",
      std::u16string(u"<a>") + char16_t(0xD800) + u"</a>",
      u"<a/><b/>",
      u"<?xml version='9.9' encoding='nonsense'?><a/>",
      u"<!DOCTYPE a [<!ENTITY a '&b;'><!ENTITY b '&a;'>]><a>&a;</a>",
      u"<!DOCTYPE a [<!ENTITY l0 'xxxxxxxxxx'><!ENTITY l1 '&l0;&l0;&l0;&l0;&l0;&l0;&l0;&l0;&l0;&l0;'>"
      u"<!ENTITY l2 '&l1;&l1;&l1;&l1;&l1;&l1;&l1;&l1;&l1;&l1;'><!ENTITY l3 '&l2;&l2;&l2;&l2;&l2;&l2;&l2;&l2;&l2;&l2;'>"
      u"<!ENTITY l4 '&l3;&l3;&l3;&l3;&l3;&l3;&l3;&l3;&l3;&l3;'><!ENTITY l5 '&l4;&l4;&l4;&l4;&l4;&l4;&l4;&l4;&l4;&l4;'>"
      u"<!ENTITY l6 '&l5;&l5;&l5;&l5;&l5;&l5;&l5;&l5;&l5;&l5;'><!ENTITY l7 '&l6;&l6;&l6;&l6;&l6;&l6;&l6;&l6;&l6;&l6;'>"
      u"<!ENTITY l8 '&l7;&l7;&l7;&l7;&l7;&l7;&l7;&l7;&l7;&l7;'><!ENTITY l9 '&l8;&l8;&l8;&l8;&l8;&l8;&l8;&l8;&l8;&l8;'>]>"
      u"<a b='&l9;'>&l9;</a>",
      deep,
  };
  for (const std::u16string& input : inputs) {
    SCOPED_TRACE(::testing::PrintToString(input.substr(0, 60)));
    CDomDocument doc;
    EXPECT_FALSE(doc.loadXML(input));
    EXPECT_NE(doc.parseError().errorCode(), 0);
    EXPECT_FALSE(doc.parseError().reason().empty());
  }
}

TEST(DomParse, NeitherExternalEntitiesNorExternalDtdsAreRead) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(
      u"<!DOCTYPE a SYSTEM \"file:///etc/passwd\" [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>[&x;]</a>"));
  EXPECT_EQ(doc.documentElement().text(), u"[]");
  ASSERT_TRUE(doc.loadXML(u"<!DOCTYPE a [<!ENTITY x SYSTEM \"http://127.0.0.1:9/x\">]><a>[&x;]</a>"));
  EXPECT_EQ(doc.documentElement().text(), u"[]");
  // The rules forbid them in attribute values.
  EXPECT_FALSE(doc.loadXML(u"<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a b='&x;'/>"));
}

TEST_F(DomFiles, MissingFileGivesAParseErrorRecord) {
  CDomDocument doc;
  EXPECT_FALSE(doc.load(PathOf("missing.xml")));
  EXPECT_NE(doc.parseError().errorCode(), 0);
  EXPECT_NE(doc.parseError().reason().find(u"Cannot open"), std::u16string::npos);
}

TEST_F(DomFiles, ShiftJisSavesAsCp932AndReadsBackByteForByte) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<?xml version='1.0' encoding='Shift-JIS'?>"
                          u"<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format' version='1.0'>"
                          u"<fo:block-container/></fo:root>"));
  doc.setProperty(u"SelectionNamespaces", u"xmlns:fo='http://www.w3.org/1999/XSL/Format'");
  CDomNode container = doc.selectSingleNode(u"//fo:block-container");
  CDomNode inline_ = container.appendChild(doc.createElement(u"fo:inline"));
  inline_.put_text(u"①漢文");
  std::u16string path = PathOf("fragment.qvh");
  doc.save(path);

  std::string expected =
      "<?xml version=\"1.0\" encoding=\"Shift-JIS\"?>\n"
      "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" version=\"1.0\">"
      "<fo:block-container><fo:inline>\x87\x40\x8A\xBF\x95\xB6</fo:inline></fo:block-container></fo:root>\n";
  std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes, expected);

  CDomDocument reread;
  ASSERT_TRUE(reread.load(path)) << ::testing::PrintToString(reread.parseError().Message());
  EXPECT_EQ(reread.documentElement().text(), u"①漢文");
  std::u16string again = PathOf("again.qvh");
  reread.save(again);
  EXPECT_EQ(ReadBytes(again), bytes);
}

TEST_F(DomFiles, ShiftJisKeepsWhatCp932CannotHold) {
  const std::u16string texts[] = {u"😀 and ℵ", u"a]]>b", u"<😀>"};
  for (const std::u16string& text : texts) {
    SCOPED_TRACE(::testing::PrintToString(text));
    CDomDocument doc;
    ASSERT_TRUE(doc.loadXML(u"<?xml version='1.0' encoding='Shift-JIS'?><r><t/><c/></r>"));
    doc.selectSingleNode(u"/r/t").put_text(text);
    doc.selectSingleNode(u"/r/c").appendChild(doc.createCDATASection(text));
    CDomNode attribute = doc.createAttribute(u"v");
    attribute.put_nodeValue(text);
    doc.documentElement().attributes().setNamedItem(attribute);
    std::u16string path = PathOf("kept.xml");
    doc.save(path);

    CDomDocument reread;
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(reread.selectSingleNode(u"/r/t").text(), text);
    CDomNodeList cdata = reread.selectSingleNode(u"/r/c").childNodes();
    ASSERT_EQ(cdata.length(), 1);
    EXPECT_EQ(cdata.item(0).nodeValue(), text);
    EXPECT_EQ(reread.selectSingleNode(u"/r/@v").nodeValue(), text);
  }
}

TEST_F(DomFiles, Utf16SheetsSaveAsUtf16) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><!--<?xml-stylesheet type=\"text/xsl\" href=\"#style1\"?>--><print>①漢文</print>"));
  std::u16string path = PathOf("sheet.qvp");
  doc.save(path);
  std::string bytes = ReadBytes(path);
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\xFF\xFE<\0?\0x\0m\0l\0", 12));
  CDomDocument reread;
  ASSERT_TRUE(reread.load(path));
  EXPECT_EQ(reread.documentElement().text(), u"①漢文");
  EXPECT_EQ(reread.childNodes().item(0).nodeType(), NODE_COMMENT);
}

// What the sheet writer produces: a byte-order mark, then UTF-16LE with the declaration.
TEST_F(DomFiles, Utf16FileSavesBackByteForByte) {
  const std::u16string text =
      u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
      u"<!--<?xml-stylesheet type=\"text/xsl\" href=\"#style1\"?>-->\n"
      u"<print xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block a=\"①\">漢文<![CDATA[x<y]]></fo:block></print>\n";
  const std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  std::u16string path = PathOf("sheet.qvp");
  WriteBytes(path, bytes);
  CDomDocument doc;
  ASSERT_TRUE(doc.load(path)) << ::testing::PrintToString(doc.parseError().Message());
  std::u16string again = PathOf("again.qvp");
  doc.save(again);
  EXPECT_EQ(ReadBytes(again), bytes);
}

TEST_F(DomFiles, ReadsCp932FilesDeclaredShiftJis) {
  std::u16string path = PathOf("sjis.xml");
  WriteBytes(path, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\x87\x40\x8A\xBF\x95\xB6</a>");
  CDomDocument doc;
  ASSERT_TRUE(doc.load(path));
  EXPECT_EQ(doc.documentElement().text(), u"①漢文");
  WriteBytes(path, "<?xml version=\"1.0\" encoding=\"Shift-JIS\"?><a>\x87</a>");
  EXPECT_FALSE(doc.load(path));
  EXPECT_NE(doc.parseError().errorCode(), 0);
}

TEST_F(DomFiles, FailedSaveThrowsAndLeavesNoFile) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<a/>"));
  std::u16string path = PathOf("no-such-folder/out.xml");
  try {
    doc.save(path);
    ADD_FAILURE() << "save into a missing folder succeeded";
  } catch (const CDomException& e) {
    EXPECT_EQ(e.Error(), DOM_E_FAIL);
    EXPECT_FALSE(e.Description().empty());
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdU16String(path)));
}

TEST_F(DomFiles, UnknownDeclaredEncodingFailsTheSaveNotTheLoad) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<?xml version='1.0' encoding='x-unknown'?><a/>"));
  EXPECT_THROW(doc.save(PathOf("out.xml")), CDomException);
}
