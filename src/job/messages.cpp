#include "job/messages.h"

#include "platform/host_code_page.h"

namespace vxcl {

std::string PrinterUnusableMessage(std::string_view printerName) {
  std::string text = "所選擇的 \"";
  text += FromHostCodePage(printerName);
  text += "\" 印表機無法使用.";
  return text;
}

std::string DocumentFailedMessage(std::string_view documentName) {
  std::string text = "列印 \"";
  text += FromHostCodePage(documentName);
  text += "\" 文件發生錯誤.";
  return text;
}

}  // namespace vxcl
