#pragma once
// Sheet packages: single cabinet files ("MSCF") of MSZIP folders, over libgcab. Both
// routines report by their result only; a failure leaves no partial file behind.

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

// An entry that is exactly this closes the current folder: the next file starts a new one.
inline const std::string kCabinetFolderBreak = "+";
// A package never continues into a second cabinet: its files may hold this much in all.
constexpr uint64_t kCabinetMaxSize = 0x20000000;
// A folder that holds this much starts no further file; the next one opens a new folder.
constexpr uint64_t kCabinetFolderThreshold = 900000;

// Makes the buffer a package file is written through; tests give one whose writes fail.
using PackageBufferMaker = std::unique_ptr<std::filebuf> (*)();

// Packs the files under their bare names, in order, into folder/name. An existing package
// of that name is replaced only by a complete new one, written through a plain file buffer
// unless makeBuffer gives another.
BOOL PackCabinet(const std::vector<std::string>& files, const std::string& folder, const std::string& name,
                 PackageBufferMaker makeBuffer = nullptr);
// Writes every file of the package into the folder (given with or without a final
// separator), replacing files of the same names; *pFirst receives the path of the first one
// (empty when none). Every entry is checked before anything is written.
BOOL ExtractCabinet(const std::string& package, const std::string& folder, std::string* pFirst);
// Whether the file begins with "MSCF".
BOOL IsCabinetFile(const std::string& path);
