#pragma once
// The running number of a numbered underline run: its fixed fields and its custom text.

#include <cstddef>

#include "model/StringW.h"
#include "platform/GdiTypes.h"

// The fixed fields, in their stored order and widths.
struct KASEN_RENBAN_FIELDS {
  LONG nForcedNumber;  // -1 counts automatically
  LONG nNumberStyle;
  CHAR szNumberFace[LF_FACESIZE];
  LONG nNumberSize;
};

static_assert(sizeof(KASEN_RENBAN_FIELDS) == 44);
static_assert(offsetof(KASEN_RENBAN_FIELDS, szNumberFace) == 8);
static_assert(offsetof(KASEN_RENBAN_FIELDS, nNumberSize) == 40);

class CKasenRenbanProperties {
 public:
  enum NumberStyle {
    NumberNone = 0, NumberCircled = 1, NumberBracketed = 2, NumberKatakana = 3,
    NumberAlpha = 4, NumberAlphaCap = 5, NumberString = 6
  };

  CKasenRenbanProperties() { Init(); }
  void Init();
  void Copy(const CKasenRenbanProperties& other);

  KASEN_RENBAN_FIELDS m_kasen;
  CStringW m_strKasenString;  // the text of NumberString
};
