#pragma once
// The system's own text for an error number.

#include <string>

// The localised text of an errno value; empty when the system knows no such error.
std::u16string SystemErrorText(int code);
