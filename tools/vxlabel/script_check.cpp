#include "script_check.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

#include "export_table.h"
#include "nearest_names.h"

namespace vxlabel {

namespace {

std::string UnknownFunction(const std::string& name) {
  std::vector<std::string_view> known;
  for (const ExportSignature& e : AllExports()) known.push_back(e.name);
  std::string message = "unknown function " + name;
  const std::vector<std::string> near = NearestNames(name, known);
  for (std::size_t i = 0; i < near.size(); ++i)
    message += (i == 0                 ? "; did you mean "
                : i + 1 == near.size() ? " or "
                                       : ", ") +
               near[i];
  return message + (near.empty() ? "" : "?");
}

}  // namespace

std::vector<ScriptError> CheckScript(const ScriptReading& reading,
                                     bool dataPlaceholders) {
  std::vector<ScriptError> errors = reading.errors;
  for (const Call& call : reading.calls) {
    const ExportSignature* e = FindExport(call.name);
    if (!e) {
      errors.emplace_back(call.line, UnknownFunction(call.name), call.column);
      continue;
    }
    if (call.args.size() != e->params.size()) {
      // Where the missing argument would go, or the first one too many.
      const int column = call.args.size() > e->params.size()
                             ? call.args[e->params.size()].column
                             : call.column;
      errors.emplace_back(
          call.line,
          call.name + " takes " + std::to_string(e->params.size()) +
              " arguments, not " + std::to_string(call.args.size()) +
              "; expected " + DeclarationOf(call.name),
          column);
      continue;
    }
    // A data placeholder is filled in, and checked, row by row.
    std::vector<int> placeholderColumns;
    for (const Value& value : call.args)
      if (value.kind == Value::Kind::Placeholder) {
        placeholderColumns.push_back(value.column);
        if (!dataPlaceholders)
          errors.emplace_back(call.line,
                              value.source +
                                  " is a data placeholder: give --data "
                                  "FILE.csv",
                              value.column);
      }
    std::vector<ScriptError> argumentErrors;
    e->checkArguments(call, argumentErrors);
    try {
      CheckCStrings(call);
    } catch (ScriptError& error) {
      argumentErrors.push_back(std::move(error));
    }
    for (ScriptError& error : argumentErrors)
      if (std::find(placeholderColumns.begin(), placeholderColumns.end(),
                    error.column()) == placeholderColumns.end())
        errors.push_back(std::move(error));
  }
  std::stable_sort(errors.begin(), errors.end(),
                   [](const ScriptError& a, const ScriptError& b) {
                     return a.line() < b.line();
                   });
  return errors;
}

std::optional<std::vector<Call>> LoadScript(const std::string& path,
                                            std::ostream& err,
                                            bool dataPlaceholders) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) {
    err << "cannot read " << path << "\n";
    return std::nullopt;
  }
  ScriptReading reading = ReadScript(text.str());
  const std::vector<ScriptError> errors =
      CheckScript(reading, dataPlaceholders);
  for (const ScriptError& error : errors) err << error.Located(path) << "\n";
  if (!errors.empty()) {
    err << path << ": " << errors.size()
        << (errors.size() == 1 ? " error" : " errors")
        << "; nothing was called\n";
    return std::nullopt;
  }
  return std::move(reading.calls);
}

}  // namespace vxlabel
