#include "tests/support/CompoundFileMaker.h"

#include <gsf/gsf.h>

#include <cstring>

#include "platform/GObjectPtr.h"

namespace {

void Append32(Bytes& bytes, DWORD value) {
  BYTE raw[4];
  std::memcpy(raw, &value, 4);
  bytes.insert(bytes.end(), raw, raw + 4);
}

void AppendAnsiString(Bytes& bytes, const std::string& text) {
  if (text.empty()) {
    Append32(bytes, 0);
    return;
  }
  Append32(bytes, DWORD(text.size() + 1));
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(0);
}

Bytes CompObjStream(const std::string& userType, const std::string& progId) {
  Bytes stream = {0x01, 0x00, 0xFE, 0xFF, 0x03, 0x0A, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  stream.resize(28, 0);  // the class id stays zero
  AppendAnsiString(stream, userType);
  Append32(stream, 0);  // no clipboard format
  AppendAnsiString(stream, progId);
  Append32(stream, 0x71B239F4);  // the marker of the Unicode strings, which are left out
  return stream;
}

}  // namespace

Bytes MakeCompoundFile(const std::string& userType, const std::string& progId) {
  GObjectPtr<GsfOutput> sink(gsf_output_memory_new());
  {
    GObjectPtr<GsfOutfile> storage(gsf_outfile_msole_new(sink.get()));
    GObjectPtr<GsfOutput> stream(gsf_outfile_new_child(storage.get(), "\001CompObj", FALSE));
    Bytes compObj = CompObjStream(userType, progId);
    gsf_output_write(stream.get(), compObj.size(), compObj.data());
    gsf_output_close(stream.get());
    gsf_output_close(GSF_OUTPUT(storage.get()));
  }
  const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
  return Bytes(data, data + gsf_output_size(sink.get()));
}

Bytes MakeForeignItemRecord(const Bytes& compoundFile) {
  Bytes record;
  Append32(record, 2);           // kind of item
  Append32(record, 1);           // item number
  Append32(record, 0x00000001);  // drawing aspect and moniker flag, 16 bits each
  Append32(record, 1);           // display aspect
  Append32(record, DWORD(compoundFile.size()));
  record.insert(record.end(), compoundFile.begin(), compoundFile.end());
  return record;
}
