#include "platform/CompoundFile.h"

#include <gsf/gsf.h>

#include <cstring>
#include <vector>

#include "platform/GObjectPtr.h"

namespace {

constexpr size_t kMaxCompObjSize = 4096;
constexpr size_t kCompObjHeaderSize = 28;
constexpr size_t kMaxProgIdLength = 39;

// A 32-bit length and that many characters, the last a terminating zero; false on damage.
bool ReadAnsiString(const std::vector<BYTE>& stream, size_t* pos, std::string* out) {
  if (stream.size() - *pos < 4) return false;
  DWORD length;
  std::memcpy(&length, stream.data() + *pos, 4);
  *pos += 4;
  if (length > stream.size() - *pos) return false;
  std::string text(reinterpret_cast<const char*>(stream.data() + *pos), length);
  *pos += length;
  *out = text.substr(0, text.find('\0'));
  return true;
}

// The clipboard format: none, a standard format number, or a name.
bool SkipClipboardFormat(const std::vector<BYTE>& stream, size_t* pos) {
  if (stream.size() - *pos < 4) return false;
  DWORD marker;
  std::memcpy(&marker, stream.data() + *pos, 4);
  if (marker == 0) {
    *pos += 4;
    return true;
  }
  if (marker == 0xFFFFFFFF || marker == 0xFFFFFFFE) {
    if (stream.size() - *pos < 8) return false;
    *pos += 8;
    return true;
  }
  std::string name;
  return ReadAnsiString(stream, pos, &name);
}

bool IsProgId(const std::string& text) {
  if (text.empty() || text.size() > kMaxProgIdLength) return false;
  for (char c : text)
    if (c <= ' ' || c > '~') return false;
  return true;
}

std::string ClassNameFromCompObj(const std::vector<BYTE>& stream) {
  if (stream.size() < kCompObjHeaderSize) return {};
  size_t pos = kCompObjHeaderSize;
  std::string userType, progId;
  if (!ReadAnsiString(stream, &pos, &userType)) return {};
  if (SkipClipboardFormat(stream, &pos) && ReadAnsiString(stream, &pos, &progId) && IsProgId(progId))
    return progId;
  return userType;
}

std::vector<BYTE> ReadCompObj(GsfInfile* storage) {
  std::vector<BYTE> bytes;
  GObjectPtr<GsfInput> stream(gsf_infile_child_by_name(storage, "\001CompObj"));
  if (!stream) return bytes;
  gsf_off_t size = gsf_input_size(stream.get());
  if (size > 0 && size_t(size) <= kMaxCompObjSize) {
    bytes.resize(size_t(size));
    if (!gsf_input_read(stream.get(), size_t(size), bytes.data())) bytes.clear();
  }
  return bytes;
}

// Damaged files are expected here: libgsf's complaints about them, in its own log domain and
// in the default one, are not printed.
class CQuietGsfLog {
 public:
  CQuietGsfLog() : m_ownId(Silence("libgsf:msole")), m_defaultId(Silence(nullptr)) {}
  ~CQuietGsfLog() {
    g_log_remove_handler("libgsf:msole", m_ownId);
    g_log_remove_handler(nullptr, m_defaultId);
  }
  CQuietGsfLog(const CQuietGsfLog&) = delete;
  CQuietGsfLog& operator=(const CQuietGsfLog&) = delete;

 private:
  static guint Silence(const char* domain) {
    return g_log_set_handler(domain, GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL),
                             [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
  }

  guint m_ownId;
  guint m_defaultId;
};

}  // namespace

bool IsCompoundFile(const BYTE* data, size_t size) {
  return size >= sizeof(kCompoundFileSignature) &&
         std::memcmp(data, kCompoundFileSignature, sizeof(kCompoundFileSignature)) == 0;
}

std::string CompoundFileClassName(const BYTE* data, size_t size) {
  if (size < kCompoundFileHeaderSize || !IsCompoundFile(data, size)) return {};
  GObjectPtr<GsfInput> input(gsf_input_memory_new(data, gsf_off_t(size), FALSE));
  if (!input) return {};
  CQuietGsfLog quiet;
  CGError error;
  GObjectPtr<GsfInfile> storage(gsf_infile_msole_new(input.get(), error.Out()));
  return storage ? ClassNameFromCompObj(ReadCompObj(storage.get())) : std::string();
}
