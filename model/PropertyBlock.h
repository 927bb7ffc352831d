#pragma once
// Property groups travel in node records as a 32-bit size followed by that many raw bytes.

#include <cstddef>

class CArchive;

void WritePropertyBlock(CArchive& ar, const void* group, size_t width);
// Reads exactly the stored size, checked against the data left, and copies at most width bytes
// into the group; a shorter block leaves the rest of the group as it was.
void ReadPropertyBlock(CArchive& ar, void* group, size_t width);
// Writes or reads the block by the archive's direction.
void SerializePropertyBlock(CArchive& ar, void* group, size_t width);
// An int field of a record: stored as a 32-bit int, loaded back into the field.
void SerializeInt(CArchive& ar, int& value);
// A face field loaded from an archive always ends within its 32 bytes.
void TerminateFaceName(char* face, size_t width);
