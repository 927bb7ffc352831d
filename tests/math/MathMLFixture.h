#pragma once
// Formulas written as the sheet file holds their MathML, and MathML text read back into formulas.

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "math/EditMath.h"
#include "math/EditMathCR.h"
#include "math/MathMLExport.h"
#include "math/MathMLImport.h"
#include "model/MathMLDomWriter.h"
#include "model/MathMLTokenElements.h"
#include "model/NodeFactory.h"
#include "platform/DomDocument.h"
#include "tests/math/MathTestSupport.h"

class MathMLTest : public MathLayoutTest {
 protected:
  // The formula's MathML as the sheet file holds it.
  std::string Exported(CEditNode* formula) {
    CMathMLMath math;
    ExportMathChildren(formula, 0, &math);
    return Written(&math);
  }
  std::string Written(CQVXMLNode* math) {
    CDomDocument doc;
    CDomNode element = doc.createElement(u"math");
    doc.appendChild(element);
    EXPECT_TRUE(WriteDomAttributes(math, DOM_TARGET{doc, element}));
    const QString path = m_dir.filePath("math.xml");
    doc.save(path.toStdU16String());
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }
  // The MathML text read back into a new formula.
  std::unique_ptr<CEditMath> Imported(const std::string& xml) {
    CDomDocument doc;
    EXPECT_TRUE(doc.loadXML(QString::fromStdString(xml).toStdU16String()));
    std::unique_ptr<CQVXMLNode> tree(CreateNode(XE_MATH));
    LoadXmlNodeTree(tree.get(), doc.documentElement());
    auto formula = std::make_unique<CEditMath>();
    ConvertMathMLToNodes(tree.get(), formula.get());
    formula->AppendChild(new CEditMathCR);
    return formula;
  }
  std::unique_ptr<CEditMath> ImportedText(const char16_t* body) {
    return Imported(QString::fromStdU16String(u"<math>" + std::u16string(body) + u"</math>").toStdString());
  }

  QTemporaryDir m_dir;
};
