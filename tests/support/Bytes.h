#pragma once
// Helpers for byte-exact archive tests.

#include <functional>
#include <string>
#include <vector>

#include "platform/Archive.h"
#include "platform/File.h"

using Bytes = std::vector<BYTE>;

// Parses "06 00 61" into bytes.
Bytes HexBytes(const std::string& hex);
std::string ToHex(const Bytes& bytes);

// The bytes that the function writes into a storing archive.
Bytes StoreBytes(const std::function<void(CArchive&)>& write);

// Runs the function over a loading archive of the bytes.
void LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read);
