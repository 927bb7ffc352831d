#pragma once
// Reads XSL-FO text, imports it into a fresh sheet root whose folder is a private temporary
// folder, and gives back the edit tree as a dump.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "elements/EditPrint.h"
#include "tests/xmlformat/EditTreeDump.h"
#include "tests/xmlformat/FoTestDocuments.h"
#include "xmlformat/FoItemFactory.h"
#include "xmlformat/FoLayoutImport.h"

// Object nodes whose item record is one LONG, kept as the node's width.
class CFakeItemFactory : public CFoItemFactory {
 public:
  CEditNode* CreateObjectNode(CArchive& ar, const CStringW& path, int nWidth, int nHeight) override {
    LONG record = 0;
    ar >> record;
    m_paths.push_back(path);
    auto* node = new CEditNode;
    node->m_nAreaWidth = nWidth;
    node->m_nAreaHeight = nHeight;
    node->m_nReserved = record;
    return node;
  }
  std::vector<CStringW> m_paths;
};

class FoImportTest : public ::testing::Test {
 protected:
  FoImportTest() {
    m_root.m_strDir = CStringW(m_dir.path().toStdU16String()) + u"/";
  }

  // Imports the XSL-FO into the root; the result of the import.
  BOOL Import(const std::u16string& xml, BOOL bVertical = FALSE) {
    std::unique_ptr<CQVXMLNode> fo = ReadFoText(xml);
    EXPECT_TRUE(fo);
    if (!fo) return FALSE;
    CFoLayoutImport import(&m_root, &m_items, bVertical);
    BOOL ok = import.Import(fo.get(), &m_root);
    m_error = import.GetError();
    m_warnings = import.GetWarnings();
    return ok;
  }

  std::string Dump() const { return DumpEditTree(m_root); }

  QString SideFile(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

  void WriteSideFile(const char* name, LONG record) {
    QFile file(SideFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(&record), sizeof(record));
  }

  QTemporaryDir m_dir;
  CEditPrint m_root;
  CFakeItemFactory m_items;
  CStringW m_error;
  std::vector<CStringW> m_warnings;
};
