#include "platform/FaceSubstitution.h"

#include <unordered_map>

#include "platform/AnsiCodePage.h"
#include "platform/GaijiCodeTable.h"

namespace {

struct SUBSTITUTE {
  const char16_t* windowsFace;
  const char* family;
  bool bGaiji;
};

constexpr SUBSTITUTE kSubstitutes[] = {
    {u"ＭＳ 明朝", "IPAMincho", false},
    {u"ＭＳ Ｐ明朝", "IPAPMincho", false},
    {u"ＭＳ ゴシック", "IPAGothic", false},
    {u"ＭＳ Ｐゴシック", "IPAPGothic", false},
    {u"Times New Roman", "Liberation Serif", false},
    // The gaiji face's marks are drawn from a CJK font that carries them.
    {u"Halvern Gaiji", "Noto Serif CJK JP", true},
};

}  // namespace

FACE_RESOLUTION ResolveFace(std::string_view ansiFace) {
  std::u16string face = AnsiToWide(ansiFace);
  FACE_RESOLUTION result{QString(), false, false};
  if (!face.empty() && face.front() == u'@') {
    result.bVertical = true;
    face.erase(0, 1);
  }
  for (const SUBSTITUTE& s : kSubstitutes) {
    if (face == s.windowsFace) {
      result.family = QString::fromLatin1(s.family);
      result.bGaiji = s.bGaiji;
      return result;
    }
  }
  result.family = QString::fromUtf16(face.data(), qsizetype(face.size()));
  return result;
}

const std::vector<std::u16string>& SubstitutedFaceNames() {
  static const std::vector<std::u16string> names = [] {
    std::vector<std::u16string> list;
    for (const SUBSTITUTE& s : kSubstitutes) {
      list.emplace_back(s.windowsFace);
      list.push_back(u"@" + std::u16string(s.windowsFace));
    }
    return list;
  }();
  return names;
}

namespace {

// Drawn in the gaiji face, a slot's own character shows the character of its row.
std::unordered_map<char16_t, char16_t> SlotCharacters() {
  std::unordered_map<char16_t, char16_t> characters;
  for (const GAIJI_CODE& row : GAIJI_CODE_TABLE)
    if (char16_t slot = GaijiSlotCharacter(row.wCode)) characters.emplace(slot, char16_t(row.wChar));
  return characters;
}

}  // namespace

char16_t MapGaijiChar(char16_t c) {
  switch (c) {
    case 0x30EC: return 0x3191;  // kaeriten mark
    case 0xFF66: return 0x222B;  // integral sign
    default: break;
  }
  static const std::unordered_map<char16_t, char16_t> characters = SlotCharacters();
  auto it = characters.find(c);
  return it != characters.end() ? it->second : c;
}

const std::vector<QString>& FallbackFamilies() {
  static const std::vector<QString> families = {
      QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Sans CJK JP"),
      QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Math TeX Gyre")};
  return families;
}
