#pragma once
// What every fuzz target shares: a headless Qt application, a private folder for files the
// readers need on disk, and layout of what was loaded as the editing view lays it out.

#include <cstddef>
#include <cstdint>
#include <string>

class CEditNode;
class CEditPrint;
class CQVXMLNode;

// Once per process: the offscreen platform and the application object.
void InitFuzzing();
// A folder of this process's own, made on first use and removed at exit.
const std::string& FuzzFolder();
// An empty folder of that name inside it, emptied when it was there.
std::string FreshFuzzFolder(const char* pszName);
// Writes the bytes into the file (replaced); false when it cannot be written.
bool WriteFuzzFile(const std::string& path, const uint8_t* data, size_t size);

// Measures, arranges and draws a node in a column of the page's width, then asks it for a
// node at a point, in the writing direction given.
void LayOutNode(CEditNode& node, int bVertical);
// Every edit-node child of the list, one after another.
void LayOutChildren(CQVXMLNode& list, int bVertical);
// Paginates the sheet and draws each of its first pages.
void LayOutSheet(CEditPrint& sheet, int bVertical);

// Stops the run with a report: what loaded did not hold the promise named.
[[noreturn]] void FuzzFailure(const char* what, const char* detail = "");
