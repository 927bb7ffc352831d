#pragma once
// Small compound files and item records of the class library, made up for tests.

#include <string>

#include "tests/support/Bytes.h"

// A compound file with a "\1CompObj" stream recording the user type and the program id
// (none when empty).
Bytes MakeCompoundFile(const std::string& userType, const std::string& progId);
// The class library's item record around a compound file: a short header, the file's length,
// the file.
Bytes MakeForeignItemRecord(const Bytes& compoundFile);
