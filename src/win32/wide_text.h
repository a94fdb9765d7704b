#pragma once

#include <string>
#include <string_view>

namespace korvelin {

// The program's texts are UTF-8; the W functions of Windows take UTF-16.
std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

// The system's words for an error code (GetLastError), without the line end and the full stop;
// empty for 0.
std::string systemReason(unsigned long error);

}  // namespace korvelin
