#pragma once

#include <string>
#include <string_view>

// The program's texts are UTF-8; the W functions of Windows take UTF-16.
namespace korvelin::win32 {

std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

}  // namespace korvelin::win32
