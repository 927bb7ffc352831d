#pragma once
// Writes a hand-built FO tree into a small sheet template and gives back the serialised
// data element and template, as the document writer would leave them.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoTableElements.h"
#include "model/MondaiElements.h"
#include "xmlformat/FoBlockWriters.h"

template <class N>
N* Add(CQVXMLNode& parent) {
  N* child = new N();
  parent.AppendChild(child);
  return child;
}

inline CFoInline* AddRun(CQVXMLNode& parent, const char16_t* text) {
  CFoInline* run = Add<CFoInline>(parent);
  run->SetText(CStringW(text));
  return run;
}

inline CFoInlineContainer* AddSpecial(CQVXMLNode& parent, int nBlockKind) {
  CFoInlineContainer* container = Add<CFoInlineContainer>(parent);
  container->m_nBlockKind = nBlockKind;
  return container;
}

// The default run format as written.
constexpr const char* kRunFont = "font-family=\"ＭＳ Ｐ明朝\" font-size=\"10.5pt\"";

struct FO_WRITE_RESULT {
  BOOL bWritten = FALSE;
  std::string data;      // the part's data element
  std::string templ;     // the template's fo:block-container
  std::string document;  // the whole saved document
};

inline constexpr char16_t kFoTemplate[] =
    u"<print><dai/><xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
    u"xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" version=\"1.0\">"
    u"<xsl:template match=\"/\"><fo:root><xsl:apply-templates select=\"/print/dai\"/></fo:root></xsl:template>"
    u"<xsl:template match=\"/print/dai\"><fo:block-container/></xsl:template>"
    u"</xsl:stylesheet></print>";

class FoWriterTest : public ::testing::Test {
 protected:
  FoWriterTest() {
    EXPECT_TRUE(m_doc.loadXML(kFoTemplate));
    m_doc.setProperty(u"SelectionLanguage", u"XPath");
    m_doc.setProperty(u"SelectionNamespaces",
                      u"xmlns:fo='http://www.w3.org/1999/XSL/Format' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'");
  }

  FO_WRITE_RESULT Write(CFoBlockContainer& root, BOOL bVertical = FALSE) {
    FO_ID_COUNTERS counters;
    FO_WRITE_CONTEXT c;
    c.document = m_doc;
    c.bVertical = bVertical;
    c.node = &root;
    c.dataParent = m_doc.selectSingleNode(u"/print/dai");
    c.element = m_doc.selectSingleNode(u"//fo:block-container");
    c.counters = &counters;
    FO_WRITE_RESULT result;
    result.bWritten = FoWriteBlockContainer(c);
    result.document = Saved();
    result.data = Between(result.document, "<dai", "<xsl:stylesheet");
    result.templ = Between(result.document, "<fo:block-container", "</xsl:template></xsl:stylesheet>");
    return result;
  }

  std::string Saved() {
    QString path = m_dir.filePath("sheet.xml");
    m_doc.save(path.toStdU16String());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }

  static std::string Between(const std::string& text, const char* first, const char* end) {
    size_t from = text.find(first);
    size_t to = text.find(end, from);
    if (from == std::string::npos || to == std::string::npos) return std::string();
    return text.substr(from, to - from);
  }

  QTemporaryDir m_dir;
  CDomDocument m_doc;
  CFoBlockContainer m_root;
};
