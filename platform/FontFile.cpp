#include "platform/FontFile.h"

#include <fontconfig/fontconfig.h>
#include <hb.h>

#include <map>
#include <memory>
#include <string>

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

struct BlobDeleter {
  void operator()(hb_blob_t* b) const { hb_blob_destroy(b); }
};
using Blob = std::unique_ptr<hb_blob_t, BlobDeleter>;

// One mapping per file, shared by the faces of a collection; unmapped at exit at the latest.
std::map<std::string, Blob>& Blobs() {
  static std::map<std::string, Blob> blobs;
  return blobs;
}

hb_blob_t* MappedFile(const std::string& path) {
  Blob& blob = Blobs()[path];
  if (!blob) blob.reset(hb_blob_create_from_file_or_fail(path.c_str()));
  return blob.get();
}

bool NamesFamily(FcPattern* font, const QString& family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (family.compare(QString::fromUtf8(reinterpret_cast<const char*>(name)), Qt::CaseInsensitive) == 0)
      return true;
  }
  return false;
}

Pattern Match(const QString& family, bool bBold, bool bItalic) {
  Pattern request(FcPatternCreate());
  const QByteArray name = family.toUtf8();
  FcPatternAddString(request.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
  FcPatternAddInteger(request.get(), FC_WEIGHT, bBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(request.get(), FC_SLANT, bItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
  FcDefaultSubstitute(request.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, request.get(), &result));
}

}  // namespace

hb_face_t* OpenFontFile(const QString& family, bool bBold, bool bItalic) {
  Pattern font = Match(family, bBold, bItalic);
  FcChar8* file = nullptr;
  int index = 0;
  if (!font || !NamesFamily(font.get(), family) ||
      FcPatternGetString(font.get(), FC_FILE, 0, &file) != FcResultMatch ||
      FcPatternGetInteger(font.get(), FC_INDEX, 0, &index) != FcResultMatch || index < 0 || index > 0xFFFF)
    return nullptr;
  hb_blob_t* blob = MappedFile(reinterpret_cast<const char*>(file));
  if (!blob) return nullptr;
  hb_face_t* face = hb_face_create(blob, unsigned(index));
  if (hb_face_get_glyph_count(face) > 0) return face;
  hb_face_destroy(face);
  return nullptr;
}

QByteArray FaceTable(hb_face_t* face, const char* tag) {
  hb_blob_t* blob = hb_face_reference_table(face, hb_tag_from_string(tag, -1));
  unsigned length = 0;
  const char* data = hb_blob_get_data(blob, &length);
  QByteArray table(data, qsizetype(length));
  hb_blob_destroy(blob);
  return table;
}

void ReleaseFontFiles() { Blobs().clear(); }
