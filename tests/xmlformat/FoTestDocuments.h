#pragma once
// Reads XSL-FO text into an FO node tree the way the reader does.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>

#include "platform/DomDocument.h"
#include "xmlformat/FoDomReader.h"

inline constexpr const char16_t* kFoNamespace = u"xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"";

// The XSL-FO of one flow holding the body.
inline std::u16string FoFlowDocument(const std::u16string& body, const std::u16string& masters = u"") {
  return u"<fo:root " + std::u16string(kFoNamespace) + u"><fo:layout-master-set>" + masters +
         u"</fo:layout-master-set><fo:page-sequence master-reference=\"Body\">"
         u"<fo:flow flow-name=\"xsl-region-body\">" +
         body + u"</fo:flow></fo:page-sequence></fo:root>";
}

inline std::unique_ptr<CQVXMLNode> ReadFoText(const std::u16string& xml) {
  CDomDocument doc;
  EXPECT_TRUE(doc.loadXML(xml)) << std::string(QString::fromStdU16String(doc.parseError().reason()).toStdString());
  return std::unique_ptr<CQVXMLNode>(CreateFoNodeFromDom(doc.documentElement()));
}
