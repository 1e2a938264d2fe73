#include "barcode/ean128.h"

#include <string>
#include <utility>
#include <vector>

#include "barcode/application_identifiers.h"
#include "barcode/barcode_arguments.h"
#include "barcode/code128_optimizer.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"
#include "language/code128.h"

namespace vxcl {

namespace {

// After a variable-length value that is not the last: code set C and FNC1,
// the field separator.
std::string FieldSeparator() {
  return code128::SwitchPair(code128::CodeSet::C) +
         code128::Pair(code128::kFnc1Letter);
}

struct Group {
  std::string text;  // identifier and value, every ")" removed
  IdentifierRule rule;
};

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Checks one group's text (what follows its "("); VXCL_OK when it is valid.
VxclResult CheckGroup(std::string_view groupText, Group& group) {
  const std::size_t close = groupText.find(')');
  if (close == std::string_view::npos) return VXCL_AI_MALFORMED;
  const std::string_view identifier = groupText.substr(0, close);
  // A further ")" in the value counts in its length but is not sent.
  const std::size_t valueLength = groupText.size() - close - 1;
  for (char c : groupText)
    if (c != ')') group.text += c;

  const std::optional<IdentifierRule> rule = FindIdentifierRule(identifier);
  if (!rule) return VXCL_AI_UNKNOWN;
  group.rule = *rule;
  const std::size_t length = static_cast<std::size_t>(rule->length);
  VxclResult code = VXCL_OK;
  if (rule->fixedLength ? valueLength != length : valueLength > length)
    code = VXCL_AI_LENGTH;
  if (rule->digitsOnly &&
      !AllDigits(std::string_view(group.text).substr(identifier.size())))
    code = VXCL_AI_DIGITS;
  return code;
}

// Splits the data into groups: text before the first "(" is ignored, and
// each "(" starts a group that runs to the next "(". Returns VXCL_OK, or the
// code of the first fault (checking stops there).
VxclResult SplitGroups(std::string_view data, std::vector<Group>& groups) {
  std::size_t open = data.find('(');
  if (open == std::string_view::npos) return VXCL_AI_MALFORMED;
  while (open != std::string_view::npos) {
    const std::size_t next = data.find('(', open + 1);
    const std::string_view groupText =
        next == std::string_view::npos ? data.substr(open + 1)
                                       : data.substr(open + 1, next - open - 1);
    Group group{};
    if (const VxclResult code = CheckGroup(groupText, group); code != VXCL_OK)
      return code;
    groups.push_back(std::move(group));
    open = next;
  }
  return VXCL_OK;
}

// Code 128 data: the first group's code set, FNC1, then the groups with a
// separator after each variable-length value but the last.
std::string AssembledData(const std::vector<Group>& groups) {
  std::string data =
      code128::StartPair(groups.front().rule.digitsOnly ? code128::CodeSet::C
                                                        : code128::CodeSet::B);
  data += code128::Pair(code128::kFnc1Letter);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    data += groups[i].text;
    if (!groups[i].rule.fixedLength && i + 1 < groups.size())
      data += FieldSeparator();
  }
  return data;
}

}  // namespace

VxclResult AddEan128(JobState& job, int direction, double x, double y,
                     int narrowWidth, double barHeight, std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  std::vector<Group> groups;
  if (const VxclResult fault = SplitGroups(data, groups); fault != VXCL_OK)
    return fault;
  const std::string symbolData = Code128Optimizer(AssembledData(groups));

  CheckCode code;
  direction = CheckedDirection(direction, code);
  const int heightDots = CheckedBarHeight(job, barHeight, code);
  narrowWidth = CheckedNarrowWidth(narrowWidth, code);
  const std::string command = std::string{ESC} + "BG" +
                              ZeroPadded(narrowWidth, 2) +
                              ZeroPadded(heightDots, 3) + symbolData;
  AppendElement(job, direction, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
