#include "tests/support/Bytes.h"

#include <cstdio>
#include <sstream>

Bytes HexBytes(const std::string& hex) {
  Bytes out;
  std::istringstream in(hex);
  std::string token;
  while (in >> token) out.push_back(BYTE(std::stoul(token, nullptr, 16)));
  return out;
}

std::string ToHex(const Bytes& bytes) {
  std::string out;
  char buf[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
    if (i) out += ' ';
    out += buf;
  }
  return out;
}

Bytes StoreBytes(const std::function<void(CArchive&)>& write) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    write(ar);
  }
  return file.Data();
}

void LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
  CMemFile file(bytes.data(), UINT(bytes.size()));
  CArchive ar(&file, CArchive::load);
  read(ar);
}
