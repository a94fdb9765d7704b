#include "output/print_messages.h"

namespace korvelin::print_messages {
namespace {

// The system's reason, without the full stop the sentence gives it again.
std::string_view withoutFullStop(std::string_view reason) {
  if (reason.ends_with('.')) reason.remove_suffix(1);
  return reason;
}

}  // namespace

std::string printer(std::string_view name) {
  return "打印机 " + std::string(name);
}

std::string pdfFile(std::string_view path) {
  return "PDF 文件 " + std::string(path);
}

std::string failed(std::string_view device, std::string_view step, std::string_view reason) {
  std::string text = std::string(device) + " " + std::string(step);
  if (!reason.empty()) text += "：" + std::string(withoutFullStop(reason));
  return text + "。";
}

std::string noDefaultPrinter() {
  return "没有默认打印机。";
}

std::string serverUnreachable(std::string_view server, std::string_view reason) {
  std::string text = "无法连接打印服务器 " + std::string(server);
  if (!reason.empty()) text += "：" + std::string(withoutFullStop(reason));
  return text + "。";
}

std::string offerPdf(std::string_view situation) {
  return std::string(situation) + "要把报告保存为 PDF 文件吗？";
}

std::string noPdfFileChosen() {
  return "没有选定 PDF 文件。";
}

std::string temporaryFolder(std::string_view path) {
  return "临时文件夹 " + std::string(path);
}

std::string emptyPdf() {
  return "文件为 0 字节，磁盘或临时文件夹可能已满";
}

std::string pdfWithoutTrailer(long long bytes) {
  return "文件在 " + std::to_string(bytes) + " 字节处中断，缺少 PDF 结尾，磁盘或临时文件夹可能已满";
}

std::string pdfPageCount(int found, int expected) {
  return "文件只有 " + std::to_string(found) + " 页，应为 " + std::to_string(expected) + " 页";
}

std::string pageFoot(int page, int pages) {
  return "第 " + std::to_string(page) + " 页 共 " + std::to_string(pages) + " 页";
}

std::string temporaryPdfFailed(std::string_view folder, std::string_view reason) {
  return failed(temporaryFolder(folder), "无法建立临时 PDF 文件", reason);
}

std::string pdfWriteFailed(std::string_view path, std::string_view reason) {
  return failed(pdfFile(path), "无法写入", reason);
}

std::string pageBreakFailed(std::string_view path) {
  return failed(pdfFile(path), "未能换页", {});
}

std::string pdfIncomplete(std::string_view path, std::string_view reason) {
  return failed(pdfFile(path), "不完整", reason);
}

std::string pdfSaveFailed(std::string_view path, std::string_view reason) {
  return failed(pdfFile(path), "无法保存", reason);
}

std::string jobRefused(std::string_view printerName, std::string_view reason) {
  return failed(printer(printerName), "没有接受打印作业", reason);
}

}  // namespace korvelin::print_messages
