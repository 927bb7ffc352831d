// A MathML "math" element read into a formula, as a sheet's formulas and a formula drawn on
// its own are read. What reads is laid out in both writing directions, written back as
// MathML, and that must read again.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "math/EditEditMath.h"
#include "math/MathMLExport.h"
#include "model/GdiCache.h"
#include "model/MathMLDomWriter.h"
#include "model/MathMLTokenElements.h"
#include "platform/DomDocument.h"
#include "platform/DomException.h"

namespace {

std::u16string Path(const std::string& path) { return QString::fromStdString(path).toStdU16String(); }

BOOL ImportFile(CEditEditMath& formula, const std::string& path) {
  CDomDocument doc;
  if (!doc.load(Path(path))) return FALSE;
  return formula.ImportMathML(doc.documentElement());
}

void LayOutBothWays(CEditEditMath& formula) {
  const int bSavedVertical = g_bVerticalWriting;
  for (int bVertical : {0, 1}) {
    g_bVerticalWriting = bVertical;
    try {
      LayOutNode(formula, bVertical);
    } catch (...) {
    }
  }
  g_bVerticalWriting = bSavedVertical;
}

// The formula's MathML written into the file.
void Export(CEditEditMath& formula, const std::string& path) {
  CMathMLMath math;
  if (CEditNode* content = formula.GetEditChildAt(0)) ExportMathChildren(content, 0, &math);
  CDomDocument doc;
  CDomNode element = doc.createElement(u"math");
  doc.appendChild(element);
  if (!WriteDomAttributes(&math, DOM_TARGET{doc, element})) FuzzFailure("a formula that read is not written whole");
  doc.save(Path(path));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FreshFuzzFolder("in") + "/math.xml";
  if (!WriteFuzzFile(path, data, size)) FuzzFailure("the MathML file cannot be written");
  CEditEditMath formula;
  if (!ImportFile(formula, path)) return 0;
  LayOutBothWays(formula);
  const std::string saved = FreshFuzzFolder("out") + "/math.xml";
  try {
    Export(formula, saved);
  } catch (const CDomException&) {
    FuzzFailure("a formula that read cannot be written");
  }
  CEditEditMath again;
  if (!ImportFile(again, saved)) FuzzFailure("a written formula does not read back");
  LayOutBothWays(again);
  return 0;
}
