#pragma once
// The structure of one cabinet file as stored: header, folders with their data blocks, and
// the file entries. Reading checks every count, offset and size against the file, so that
// nothing is handed on that would read past it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

struct CAB_FOLDER_ENTRY {
  uint32_t nDataOffset;
  uint16_t nBlocks;
  uint16_t nCompression;
  uint64_t nUncompressed;  // the sum of its blocks
  // Up to the last block that holds data: a writer may end a folder with an empty block.
  uint16_t nUsedBlocks;
  uint64_t nUsedEnd;
};

struct CAB_FILE_ENTRY {
  std::string name;  // the stored bytes
  uint32_t nSize;
  uint32_t nOffset;  // in its folder's uncompressed data
  uint16_t nFolder;
  uint16_t nDate;
  uint16_t nTime;
  uint16_t nAttributes;
  uint64_t nPosition;  // of the entry in the file
};

class CCabinetLayout {
 public:
  // FALSE for anything but a single, whole cabinet whose entries lie inside the file:
  // no "MSCF", a cabinet continued from or into another, a compression other than none or
  // MSZIP, a data block larger than the format allows, a file beyond its folder's data.
  BOOL Read(const std::string& path);

  std::vector<CAB_FOLDER_ENTRY> m_folders;
  std::vector<CAB_FILE_ENTRY> m_files;
};
