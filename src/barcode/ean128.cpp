#include "barcode/ean128.h"

#include <string>
#include <utility>
#include <vector>

#include "barcode/application_identifiers.h"
#include "barcode/barcode_arguments.h"
#include "barcode/code128_optimizer.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"
#include "language/byte_notation.h"
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
// When both its length and its digits are wrong, the digits decide the
// code; the message names both.
Outcome CheckGroup(std::string_view groupText, Group& group) {
  const std::size_t close = groupText.find(')');
  if (close == std::string_view::npos)
    return Outcome(VXCL_AI_MALFORMED,
                   "Data group " + QuotedExcerpt("(" + std::string(groupText)) +
                       " has no \")\" closing its application identifier; "
                       "nothing added");
  const std::string_view identifier = groupText.substr(0, close);
  // A further ")" in the value counts in its length but is not sent.
  const std::size_t valueLength = groupText.size() - close - 1;
  for (char c : groupText)
    if (c != ')') group.text += c;

  const std::string named = "(" + ByteNotation(identifier, 40) + ")";
  const std::optional<IdentifierRule> rule = FindIdentifierRule(identifier);
  if (!rule)
    return Outcome(VXCL_AI_UNKNOWN, "Data: application identifier " + named +
                                        " is not known; nothing added");
  group.rule = *rule;
  const std::size_t length = static_cast<std::size_t>(rule->length);
  CheckCode code;
  if (rule->fixedLength ? valueLength != length : valueLength > length)
    code.Fail(VXCL_AI_LENGTH,
              "Data: the value of " + named + " is " +
                  Number(static_cast<long long>(valueLength)) +
                  " characters long; " + named + " takes " +
                  (rule->fixedLength ? "exactly " : "at most ") +
                  Number(rule->length));
  if (rule->digitsOnly &&
      !AllDigits(std::string_view(group.text).substr(identifier.size())))
    code.Fail(VXCL_AI_DIGITS, "Data: the value of " + named +
                                  " holds a character other than a digit; " +
                                  named + " takes digits only");
  Outcome outcome = code.Result();
  if (code.Failed()) outcome.message += "; nothing added";
  return outcome;
}

// Splits the data into groups: text before the first "(" is ignored, and
// each "(" starts a group that runs to the next "(". Returns VXCL_OK, or the
// outcome of the first fault (checking stops there).
Outcome SplitGroups(std::string_view data, std::vector<Group>& groups) {
  std::size_t open = data.find('(');
  if (open == std::string_view::npos)
    return Outcome(VXCL_AI_MALFORMED,
                   "Data " + QuotedExcerpt(data) +
                       " holds no \"(\" opening an application identifier; "
                       "nothing added");
  while (open != std::string_view::npos) {
    const std::size_t next = data.find('(', open + 1);
    const std::string_view groupText =
        next == std::string_view::npos ? data.substr(open + 1)
                                       : data.substr(open + 1, next - open - 1);
    Group group{};
    if (Outcome fault = CheckGroup(groupText, group); fault.code != VXCL_OK)
      return fault;
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

Outcome AddEan128(JobState& job, int direction, double x, double y,
                  int narrowWidth, double barHeight, std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  std::vector<Group> groups;
  if (Outcome fault = SplitGroups(data, groups); fault.code != VXCL_OK)
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
