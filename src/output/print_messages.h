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

// The offer that follows a missing printer: the situation, then
// "要把报告保存为 PDF 文件吗？"
std::string offerPdf(std::string_view situation);

// The offer taken, but no file chosen: "没有选定 PDF 文件。"
std::string noPdfFileChosen();

// The folder of the temporary PDF: "临时文件夹 path".
std::string temporaryFolder(std::string_view path);

// Why a rendered PDF is not the whole report. The file is written before it goes anywhere and
// read back: a full disk or temporary folder leaves it empty or cut short.
std::string emptyPdf();                             // 0 bytes
std::string pdfWithoutTrailer(long long bytes);     // cut short: no trailer at its end
std::string pdfPageCount(int found, int expected);  // pages missing

// The foot of page k of a report of n pages: "第 k 页 共 N 页".
std::string pageFoot(int page, int pages);

// The failures of the way a report takes: rendered into a temporary PDF, checked, then moved
// onto the chosen file or submitted to the printer.
std::string temporaryPdfFailed(std::string_view folder, std::string_view reason);
std::string pdfWriteFailed(std::string_view path, std::string_view reason);
std::string pageBreakFailed(std::string_view path);
std::string pdfIncomplete(std::string_view path, std::string_view reason);
std::string pdfSaveFailed(std::string_view path, std::string_view reason);
std::string jobRefused(std::string_view printerName, std::string_view reason);

}  // namespace korvelin::print_messages
