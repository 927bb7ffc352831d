#pragma once
// The side files an FO tree names, checked against the files written for it: a sheet XML
// that names a file its package does not hold loses that picture or object for good.

#include <string>
#include <vector>

#include "model/StringW.h"

class CQVXMLNode;

// The first picture or object name below pTree, as the sheet XML will hold it, that is not
// the bare name of one of the files (UTF-8 paths); empty when every name has its file. An
// empty name refers to no file.
CStringW FindUnheldSideFile(CQVXMLNode* pTree, const std::vector<std::string>& files);
