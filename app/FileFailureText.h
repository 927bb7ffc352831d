#pragma once
// What the user reads when a file cannot be opened, read or written: the program's sentence,
// then on a second line the file and why.

#include <string>

#include "model/StringW.h"

// Why the system refused, in Japanese for the usual causes and in the system's own words for
// the others; empty for 0.
CStringW FileErrorReason(int nErrno);

// "sentence\npath（reason）"; without a reason the second line is the path alone.
CStringW FileFailureText(const CStringW& sentence, const std::string& path, const CStringW& reason = CStringW());
CStringW FileFailureText(const CStringW& sentence, const std::string& path, int nErrno);
