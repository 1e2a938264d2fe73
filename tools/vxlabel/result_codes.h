// What a result code means, for the export that returned it.
#ifndef VXLABEL_RESULT_CODES_H
#define VXLABEL_RESULT_CODES_H

#include <string_view>

namespace vxlabel {

struct CodeMeaning {
  std::string_view text;
  bool refusal;  // the call did nothing (or the job was not sent)
};

CodeMeaning MeaningOf(std::string_view exportName, int code);

}  // namespace vxlabel

#endif
