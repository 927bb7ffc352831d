#pragma once
// Names and times of the files inside a cabinet: a name CP932 can hold is stored in CP932,
// any other in UTF-8 with the name-is-UTF attribute; times are local DOS dates and times.

#include <ctime>
#include <string>

#include "platform/WinTypes.h"

constexpr WORD kCabNameIsUtf = 0x80;
constexpr WORD kCabKeptAttributes = 0x27;  // read-only, hidden, system, archive
constexpr WORD kCabReadOnly = 0x01;
constexpr WORD kCabArchive = 0x20;

struct CAB_NAME {
  std::string bytes;  // as stored
  WORD attribute;     // 0 or kCabNameIsUtf
};

CAB_NAME EncodeCabinetName(const std::string& utf8);
// The name in UTF-8 by its attribute; FALSE for a UTF-8 name that is not valid UTF-8.
BOOL DecodeCabinetName(const std::string& bytes, WORD attributes, std::string* pUtf8);
// A bare file name: not empty, not "." or "..", without "/", "\" or ":".
BOOL IsBareFileName(const std::string& utf8);

// Times before 1980 or after 2107 are held at the ends of the DOS range.
void ToDosDateTime(std::time_t t, WORD* pDate, WORD* pTime);
// FALSE when the fields name no time.
BOOL FromDosDateTime(WORD date, WORD time, std::time_t* pTime);
