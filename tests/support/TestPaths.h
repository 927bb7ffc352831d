#pragma once
// Where the tests find their fixtures and leave their pictures. Found at run time (the test
// programs live in <build>/tests, the build's cache names the source folder) so that no
// absolute path reaches a compiler's command line and a build in another folder hits the cache.

#include <string>

// A file the tests write for a person to look at, in the build folder.
std::string BuildPath(const std::string& name);
// A fixture in tests/data.
std::string DataPath(const std::string& name);
// The folder of the test programs.
std::string TestProgramDir();
