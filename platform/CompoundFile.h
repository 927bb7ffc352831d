#pragma once
// Compound files (the structured storage of embedded objects saved on Windows), read through
// libgsf.

#include <cstddef>
#include <string>

#include "platform/WinTypes.h"

constexpr BYTE kCompoundFileSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr size_t kCompoundFileHeaderSize = 512;

// Whether the bytes start with the compound-file signature.
bool IsCompoundFile(const BYTE* data, size_t size);

// The class name the object's "\1CompObj" stream records: its program id (such as
// "Orvik.Document"), else its user type. Empty when the bytes are no compound file or hold no
// readable name.
std::string CompoundFileClassName(const BYTE* data, size_t size);
