#pragma once
// The two texts that list a sheet's question ids: "MondaiID" (key and changed flag per
// question) and "MondaiID2" (classification, id, sub id and changed flag per question).

#include <memory>
#include <vector>

#include "elements/MondaiInfo.h"

using MONDAI_INFO_LIST = std::vector<std::unique_ptr<CMondaiInfo>>;

// Blanks and carriage returns are skipped; a comma or a line feed ends a value.
void ParseMondaiIdText(const CStringW& text, MONDAI_INFO_LIST& out);
void ParseMondaiId2Text(const CStringW& text, MONDAI_INFO_LIST& out);
