#include "cli/Args.h"

#include "core/Quote.h"
#include "core/Translate.h"

#include <charconv>

namespace arvento::cli {

Args::Args(const std::vector<std::string>& arguments, const std::set<std::string>& valueOptions,
           const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (valueOptions.count(argument)) {
      if (i + 1 >= arguments.size())
        throw UsageError(Tr("option %1 needs a value", argument));
      values_.emplace(argument, arguments[++i]);
    } else if (flags.count(argument)) {
      flags_.insert(argument);
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "-" &&
               !(argument.size() > 1 && (argument[1] >= '0' && argument[1] <= '9'))) {
      throw UsageError(Tr("unknown option %1", Escaped(argument)));
    } else {
      positional_.push_back(argument);
    }
  }
}

bool Args::Has(const std::string& option) const {
  return flags_.count(option) || values_.count(option);
}

std::optional<std::string> Args::Value(const std::string& option) const {
  const auto found = values_.equal_range(option);
  if (found.first == found.second)
    return std::nullopt;
  return std::prev(found.second)->second;
}

std::vector<std::string> Args::Values(const std::string& option) const {
  std::vector<std::string> result;
  const auto found = values_.equal_range(option);
  for (auto it = found.first; it != found.second; ++it)
    result.push_back(it->second);
  return result;
}

int Args::Int(const std::string& option, int lo, int hi, int fallback) const {
  const std::optional<std::string> text = Value(option);
  if (!text)
    return fallback;
  int value = 0;
  const char* end = text->data() + text->size();
  const auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (ec != std::errc() || ptr != end || value < lo || value > hi)
    throw UsageError(Tr("option %1 must be an integer from %2 to %3, not %4", option, lo, hi, Quoted(*text)));
  return value;
}

std::string Args::Choice(const std::string& option, const std::vector<std::string>& choices,
                         const std::string& fallback) const {
  const std::optional<std::string> text = Value(option);
  if (!text)
    return fallback;
  for (const std::string& choice : choices) {
    if (*text == choice)
      return choice;
  }
  std::string list;
  for (const std::string& choice : choices)
    list += (list.empty() ? "" : "|") + choice;
  throw UsageError(Tr("option %1 must be one of %2, not %3", option, list, Quoted(*text)));
}

std::string Args::Single(const std::string& what) const {
  if (positional_.size() != 1)
    throw UsageError(positional_.empty() ? Tr("missing %1", what) : Tr("more than one %1 given", what));
  return positional_.front();
}

} // namespace arvento::cli
