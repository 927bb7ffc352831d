#include "platform/FontFace.h"

#include <QCoreApplication>
#include <QFont>
#include <hb-ot.h>
#include <hb.h>

#include <cmath>

#include "platform/FaceSubstitution.h"
#include "platform/FontFile.h"
#include "platform/VerticalOrientation.h"

namespace {

using FaceMap = std::map<QString, std::unique_ptr<CFontFace>>;

FaceMap& Faces() {
  static FaceMap faces;
  return faces;
}

int ReadU16(const QByteArray& table, int offset) {
  if (offset + 2 > table.size()) return 0;
  return (quint8(table[offset]) << 8) | quint8(table[offset + 1]);
}

int ReadS16(const QByteArray& table, int offset) { return qint16(quint16(ReadU16(table, offset))); }

hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* user) {
  char name[5];
  hb_tag_to_string(tag, name);
  name[4] = 0;
  auto* data = new QByteArray(static_cast<const QRawFont*>(user)->fontTable(name));
  return hb_blob_create(data->constData(), unsigned(data->size()), HB_MEMORY_MODE_READONLY, data,
                        [](void* p) { delete static_cast<QByteArray*>(p); });
}

}  // namespace

const CFontFace* CFontFace::Get(const QString& family, bool bBold, bool bItalic) {
  QString key = family + QChar(bBold ? u'B' : u'-') + QChar(bItalic ? u'I' : u'-');
  FaceMap& faces = Faces();
  auto it = faces.find(key);
  if (it != faces.end()) return it->second.get();
  if (faces.empty()) qAddPostRoutine(&CFontFace::ReleaseAll);
  auto face = std::make_unique<CFontFace>(family, bBold, bItalic);
  return faces.emplace(key, std::move(face)).first->second.get();
}

void CFontFace::ReleaseAll() {
  Faces().clear();
  ReleaseFontFiles();
}

// Measuring reads the installed file in place; Qt opens a face only when it draws.
CFontFace::CFontFace(const QString& family, bool bBold, bool bItalic) : m_font(family) {
  m_font.setPixelSize(100);
  m_font.setBold(bBold);
  m_font.setItalic(bItalic);
  m_font.setHintingPreference(QFont::PreferNoHinting);
  m_font.setStyleStrategy(QFont::NoFontMerging);
  m_hbFace = OpenFontFile(family, bBold, bItalic);
  if (!m_hbFace) {
    m_raw = QRawFont::fromFont(m_font);
    m_hbFace = hb_face_create_for_tables(&ReferenceTable, &*m_raw, nullptr);
  }
  m_hbFont = hb_font_create(m_hbFace);
  unsigned upem = hb_face_get_upem(m_hbFace);
  m_upem = upem ? upem : 1000;
  ReadTables();
}

CFontFace::~CFontFace() {
  hb_font_destroy(m_hbFont);
  hb_face_destroy(m_hbFace);
}

QByteArray CFontFace::Table(const char* tag) const { return FaceTable(m_hbFace, tag); }

const QRawFont& CFontFace::Raw() const {
  if (!m_raw) m_raw = QRawFont::fromFont(m_font);
  return *m_raw;
}

void CFontFace::ReadTables() {
  QByteArray os2 = Table("OS/2");
  QByteArray hhea = Table("hhea");
  if (os2.size() >= 78) {
    m_avgCharWidth = ReadS16(os2, 2) / m_upem;
    m_weightClass = ReadU16(os2, 4);
    m_winAscent = ReadU16(os2, 74) / m_upem;
    m_winDescent = ReadU16(os2, 76) / m_upem;
  } else if (hhea.size() >= 8) {
    m_winAscent = ReadS16(hhea, 4) / m_upem;
    m_winDescent = -ReadS16(hhea, 6) / m_upem;
  }
  if (hhea.size() >= 12) m_maxCharWidth = ReadU16(hhea, 10) / m_upem;
  QByteArray post = Table("post");
  m_bFixedPitch = post.size() >= 16 && (ReadU16(post, 12) | ReadU16(post, 14)) != 0;
  hb_blob_t* glyf = hb_face_reference_table(m_hbFace, HB_TAG('g', 'l', 'y', 'f'));
  m_bTrueType = hb_blob_get_length(glyf) > 0;
  hb_blob_destroy(glyf);
  if (m_winAscent + m_winDescent <= 0) {
    m_winAscent = 0.88;
    m_winDescent = 0.12;
  }
}

const GLYPH_INFO& CFontFace::Glyph(char32_t c) const {
  GLYPH_INFO* slot;
  if (c > 0xFFFF) {
    slot = &m_supplementary[c];
  } else {
    std::unique_ptr<Page>& page = m_pages[c >> 8];
    if (!page) page = std::make_unique<Page>();
    slot = &(*page)[c & 0xFF];
  }
  GLYPH_INFO& info = *slot;
  if (!info.face) info = LoadGlyph(c);
  return info;
}

GLYPH_INFO CFontFace::LoadGlyph(char32_t c) const {
  GLYPH_INFO info{};
  if (FillGlyph(c, info)) return info;
  for (const QString& family : FallbackFamilies()) {
    const CFontFace* other = Get(family, false, false);
    if (other != this && other->FillGlyph(c, info)) return info;
  }
  // Nobody has it: the missing-glyph box of this face, so that the gap stays visible.
  info.face = this;
  FillMetrics(0, info);
  info.bUpright = IsUprightInVertical(c);
  return info;
}

bool CFontFace::FillGlyph(char32_t c, GLYPH_INFO& info) const {
  hb_codepoint_t glyph = 0;
  if (!hb_font_get_nominal_glyph(m_hbFont, c, &glyph) || glyph == 0) return false;
  info.face = this;
  FillMetrics(glyph, info);
  info.bUpright = IsUprightInVertical(c);
  if (info.bUpright) FillVertical(c, info);
  return true;
}

void CFontFace::FillMetrics(quint32 glyph, GLYPH_INFO& info) const {
  info.glyph = glyph;
  info.vertGlyph = glyph;
  info.hAdvance = hb_font_get_glyph_h_advance(m_hbFont, glyph) / m_upem;
  hb_glyph_extents_t extents{};
  if (hb_font_get_glyph_extents(m_hbFont, glyph, &extents)) {
    info.leftBearing = extents.x_bearing / m_upem;
    info.inkWidth = extents.width / m_upem;
  }
  info.vAdvance = m_winAscent + m_winDescent;
  info.vOriginX = info.hAdvance / 2;
  info.vOriginY = m_winAscent;
}

// The vertical form comes from the font's own GSUB (vert, vrt2), its advance from vmtx.
void CFontFace::FillVertical(char32_t c, GLYPH_INFO& info) const {
  hb_buffer_t* buffer = hb_buffer_create();
  uint32_t codepoint = c;
  hb_buffer_add_utf32(buffer, &codepoint, 1, 0, 1);
  hb_buffer_set_direction(buffer, HB_DIRECTION_TTB);
  hb_buffer_set_script(buffer, HB_SCRIPT_HAN);
  hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
  hb_feature_t features[2];
  hb_feature_from_string("vert", -1, &features[0]);
  hb_feature_from_string("vrt2", -1, &features[1]);
  hb_shape(m_hbFont, buffer, features, 2);
  unsigned count = 0;
  hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer, &count);
  hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
  if (count == 1 && glyphs[0].codepoint != 0) {
    info.vertGlyph = glyphs[0].codepoint;
    if (positions[0].y_advance != 0) info.vAdvance = -positions[0].y_advance / m_upem;
    hb_position_t x = 0, y = 0;
    hb_font_get_glyph_v_origin(m_hbFont, info.vertGlyph, &x, &y);
    info.vOriginX = x / m_upem;
    info.vOriginY = y / m_upem;
  }
  hb_buffer_destroy(buffer);
}

const QRawFont& CFontFace::RawFontAt(double pixelSize) const {
  int key = int(std::lround(pixelSize * 64));
  auto it = m_sized.find(key);
  if (it != m_sized.end()) return it->second;
  if (m_sized.size() > 64) m_sized.clear();
  QRawFont sized = Raw();
  sized.setPixelSize(key / 64.0);
  return m_sized.emplace(key, sized).first->second;
}
