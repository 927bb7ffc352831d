#pragma once
// Element codes of the sheet's XML vocabulary, the code <-> name table, the id-prefix table
// and the helpers that build, parse and split select paths.

#include <vector>

#include "model/StringW.h"

enum XmlElementCode : int {
  XE_PRINT = 0x101,
  XE_DMON = 0x102,
  XE_MON = 0x103,
  XE_SMON = 0x104,
  XE_DAI = 0x105,
  XE_KAI = 0x106,
  XE_RAN = 0x107,
  XE_SETSU = 0x108,
  XE_CYUKAI = 0x109,
  XE_SP = 0x10A,
  XE_IMG = 0x10B,
  XE_OBJECT = 0x10C,
  XE_DNO = 0x10D,
  XE_NO = 0x10E,
  XE_GAI = 0x10F,
  XE_KIM = 0x110,
  XE_HAI = 0x111,
  XE_SEARCH_PROG_ID = 0x112,
  XE_SEARCH_INFO = 0x113,
  XE_MONDAI_ID = 0x114,

  XE_MATH = 0x201,
  XE_MI = 0x203,
  XE_MN = 0x204,
  XE_MO = 0x205,
  XE_MS = 0x206,
  XE_MTEXT = 0x207,
  XE_MSPACE = 0x208,
  XE_MGRYPH = 0x209,
  XE_MROW = 0x211,
  XE_MFRAC = 0x212,
  XE_MSQRT = 0x213,
  XE_MROOT = 0x214,
  XE_MSTYLE = 0x215,
  XE_MERROR = 0x216,
  XE_MPADDED = 0x217,
  XE_MPHANTOM = 0x218,
  XE_MFENCED = 0x219,
  XE_MENCLOSE = 0x21A,
  XE_MSUB = 0x221,
  XE_MSUP = 0x222,
  XE_MSUBSUP = 0x223,
  XE_MUNDER = 0x224,
  XE_MOVER = 0x225,
  XE_MUNDEROVER = 0x226,
  XE_MMULTISCRIPTS = 0x227,
  XE_MPRESCRIPTS = 0x228,
  XE_MNONE = 0x229,
  XE_MTABLE = 0x231,
  XE_MTR = 0x232,
  XE_MTD = 0x233,
  XE_MLABELEDTR = 0x234,

  XE_XSL_STYLESHEET = 0x401,
  XE_XSL_TEMPLATE = 0x402,
  XE_XSL_APPLY_TEMPLATES = 0x403,
  XE_XSL_VALUE_OF = 0x404,
  XE_XSL_COPY_OF = 0x405,

  XE_FO_ROOT = 0xC01,
  XE_FO_LAYOUT_MASTER_SET = 0xC02,
  XE_FO_SIMPLE_PAGE_MASTER = 0xC03,
  XE_FO_REGION_BODY = 0xC04,
  XE_FO_REGION_BEFORE = 0xC05,
  XE_FO_REGION_AFTER = 0xC06,
  XE_FO_REGION_START = 0xC07,
  XE_FO_REGION_END = 0xC08,
  XE_FO_PAGE_SEQUENCE_MASTER = 0xC09,
  XE_FO_SINGLE_PAGE_MASTER_REFERENCE = 0xC0A,
  XE_FO_REPEATABLE_PAGE_MASTER_REFERENCE = 0xC0B,
  XE_FO_REPEATABLE_PAGE_MASTER_ALTERNATIVES = 0xC0C,
  XE_FO_DECLARATIONS = 0xC0D,
  XE_FO_PAGE_SEQUENCE = 0xC0E,
  XE_FO_TITLE = 0xC0F,
  XE_FO_STATIC_CONTENT = 0xC10,
  XE_FO_FLOW = 0xC11,
  XE_FO_BLOCK_CONTAINER = 0xC21,
  XE_FO_BLOCK = 0xC22,
  XE_FO_FLOAT = 0xC23,
  XE_FO_INLINE_CONTAINER = 0xC31,
  XE_FO_INLINE = 0xC32,
  XE_FO_INSTREAM_FOREIGN_OBJECT = 0xC33,
  XE_FO_EXTERNAL_GRAPHIC = 0xC34,
  XE_FO_CHARACTER = 0xC35,
  XE_FO_INITIAL_PROPERTY_SET = 0xC36,
  XE_FO_TABLE_AND_CAPTION = 0xC40,
  XE_FO_TABLE_CAPTION = 0xC41,
  XE_FO_TABLE = 0xC42,
  XE_FO_TABLE_HEADER = 0xC44,
  XE_FO_TABLE_FOOTER = 0xC45,
  XE_FO_TABLE_BODY = 0xC46,
  XE_FO_TABLE_ROW = 0xC47,
  XE_FO_TABLE_CELL = 0xC48,
  XE_FO_LIST_BLOCK = 0xC50,
  XE_FO_LIST_ITEM = 0xC51,
  XE_FO_LIST_ITEM_LABEL = 0xC52,
  XE_FO_LIST_ITEM_BODY = 0xC53,
};

// Only MathML codes carry this bit.
constexpr int XE_MATHML_BIT = 0x200;

// Special-block kinds that an "id" prefix stands for (a node's m_nBlockKind).
enum BlockKind : int {
  BK_UNKNOWN = -1,
  BK_NONE = 0,
  BK_RUBY = 1,
  BK_CYUKAI = 2,
  BK_GAI = 3,
  BK_KIM = 4,
  BK_KANA = 5,
  BK_KANB = 6,
  BK_KUN = 7,
  BK_KAIPAGE = 8,
  BK_KASEN = 9,
};

struct XML_TABLE_ENTRY {
  int nCode;  // -1 marks the terminator
  const char16_t* pszName;
};

// Slot 0 answers the empty name with code 0; the last slot is the terminator.
extern const XML_TABLE_ENTRY g_XmlElementTable[96];
extern const XML_TABLE_ENTRY g_IdPrefixTable[10];

// 0 for a name outside the vocabulary (compared exactly, prefixes included).
int ElementCodeFromName(const CStringW& name);
// The empty string for a code outside the table.
CStringW ElementNameFromCode(int code);
// Kind of the first prefix, in table order, that occurs anywhere in the value; -1 for none.
int IdPrefixKind(const CStringW& value);

// The position predicate of one step: "dmon[3]" 3, "dmon" 1, a malformed predicate 0,
// the empty step -1.
int ParsePathIndex(const CStringW& step);
// "name[index]" above 0, the name alone for 0, the empty string below 0.
CStringW FormatPathStep(const CStringW& name, int index);
// Removes the first "{" and "}" from the path, then replaces the steps with the path's
// non-empty steps; an empty path leaves the steps untouched.
void SplitXPath(std::vector<CStringW>& steps, CStringW& path);
