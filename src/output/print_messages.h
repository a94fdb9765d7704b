#pragma once

#include <string>
#include <string_view>

// What a printing failure says, in the same words on every front end. Each text becomes the
// reason of a PrinterFailure; the window shows it after "报告未能打印：".
namespace korvelin::print_messages {

// The device of a document: "打印机 name", or "PDF 文件 path".
std::string printer(std::string_view name);
std::string pdfFile(std::string_view path);

// A step of printing that failed on a device, with the system's reason:
// "打印机 X 无法开始打印：reason。"
std::string failed(std::string_view device, std::string_view step, std::string_view reason);

// "没有默认打印机。"
std::string noDefaultPrinter();

// "无法连接打印服务器 server：reason。"
std::string serverUnreachable(std::string_view server, std::string_view reason);

// The foot of page k of a report that runs over N pages: "第 k 页 共 N 页".
std::string pageFoot(int page, int pages);

}  // namespace korvelin::print_messages
