#include "output/print_messages.h"

namespace korvelin::print_messages {

std::string printer(std::string_view name) {
  return "打印机 " + std::string(name);
}

std::string pdfFile(std::string_view path) {
  return "PDF 文件 " + std::string(path);
}

std::string failed(std::string_view device, std::string_view step, std::string_view reason) {
  std::string text = std::string(device) + " " + std::string(step);
  if (!reason.empty()) text += "：" + std::string(reason);
  return text + "。";
}

std::string noDefaultPrinter() {
  return "没有默认打印机。";
}

std::string serverUnreachable(std::string_view server, std::string_view reason) {
  std::string text = "无法连接打印服务器 " + std::string(server);
  if (!reason.empty()) text += "：" + std::string(reason);
  return text + "。";
}

std::string pageFoot(int page, int pages) {
  return "第 " + std::to_string(page) + " 页 共 " + std::to_string(pages) + " 页";
}

}  // namespace korvelin::print_messages
