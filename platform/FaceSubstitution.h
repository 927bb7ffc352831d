#pragma once
// The Windows faces that sheets name, resolved to installed families.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

struct FACE_RESOLUTION {
  QString family;       // installed family to draw with
  bool bVertical;       // the face name starts with "@"
  bool bGaiji;          // characters go through the gaiji code map
};

// Resolves a face name given in CP932 bytes; an unknown face resolves to itself.
FACE_RESOLUTION ResolveFace(std::string_view ansiFace);

// The Windows faces the table serves, without and with "@", as UTF-16.
const std::vector<std::u16string>& SubstitutedFaceNames();

// The character a gaiji code point is drawn with.
char16_t MapGaijiChar(char16_t c);

// Families tried in order when the resolved family lacks a glyph.
const std::vector<QString>& FallbackFamilies();
