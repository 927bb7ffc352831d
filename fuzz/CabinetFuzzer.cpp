// A sheet package extracted as the document opens one, into a private folder. What
// extracts must stay inside that folder, pack again, and extract again to the same files.

#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/Cabinet.h"
#include "platform/CabinetLayout.h"
#include "platform/CabinetNames.h"

namespace {

// The bare names of the package's files, in their order.
std::vector<std::string> NamesIn(const std::string& package) {
  CCabinetLayout layout;
  std::vector<std::string> names;
  if (!layout.Read(package)) FuzzFailure("an extracted package does not read");
  for (const CAB_FILE_ENTRY& entry : layout.m_files) {
    std::string name;
    if (!DecodeCabinetName(entry.name, entry.nAttributes, &name)) FuzzFailure("an extracted name does not decode");
    names.push_back(name);
  }
  return names;
}

QByteArray Contents(const std::string& folder, const std::string& name) {
  QFile file(QString::fromStdString(folder + "/" + name));
  if (!file.open(QIODevice::ReadOnly)) FuzzFailure("an extracted file is not where its name says");
  return file.readAll();
}

// Nothing may land beside the folders the run made.
void CheckNothingOutside() {
  const QDir folder(QString::fromStdString(FuzzFolder()));
  const QStringList entries = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  for (const QString& entry : entries)
    if (entry != "in" && entry != "x" && entry != "out" && entry != "again") FuzzFailure("extraction wrote outside its folder");
}

void PackAndExtractAgain(const std::string& package, const std::string& extracted, const std::string& first) {
  const std::vector<std::string> names = NamesIn(package);
  if (names.empty() ? !first.empty() : first != extracted + "/" + names.front())
    FuzzFailure("the first file is not the package's first");
  if (names.empty()) return;  // nothing to pack: a package holds at least one file
  std::vector<std::string> files;
  for (const std::string& name : names) files.push_back(extracted + "/" + name);
  const std::string repacked = FreshFuzzFolder("out");
  if (!PackCabinet(files, repacked, "again.qvf")) FuzzFailure("extracted files do not pack again");
  const std::string again = FreshFuzzFolder("again");
  std::string firstAgain;
  if (!ExtractCabinet(repacked + "/again.qvf", again, &firstAgain)) FuzzFailure("a package packed again does not extract");
  for (const std::string& name : names)
    if (Contents(extracted, name) != Contents(again, name)) FuzzFailure("a file changed on its way through a package");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FreshFuzzFolder("out");
  FreshFuzzFolder("again");
  const std::string package = FreshFuzzFolder("in") + "/sheet.qvf";
  if (!WriteFuzzFile(package, data, size)) FuzzFailure("the package cannot be written");
  const std::string extracted = FreshFuzzFolder("x");
  std::string first;
  const BOOL ok = ExtractCabinet(package, extracted, &first);
  CheckNothingOutside();
  if (ok) {
    if (!IsCabinetFile(package)) FuzzFailure("a package without the signature extracted");
    PackAndExtractAgain(package, extracted, first);
  } else {
    if (!QDir(QString::fromStdString(extracted)).isEmpty()) FuzzFailure("a failed extraction left files behind");
  }
  return 0;
}
