#pragma once

// Command-line options of one arvento-cli command: "--name value" pairs,
// "--flag" switches and positional arguments, checked against what the
// command declares.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace arvento::cli {

// Bad usage: an unknown option, a missing value, a value out of range.
class UsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class Args {
public:
  // valueOptions take a value ("--tempo 60"), flags do not ("--dry-run").
  // "-o" is a value option like any other when declared.
  Args(const std::vector<std::string>& arguments, const std::set<std::string>& valueOptions,
       const std::set<std::string>& flags = {});

  bool Has(const std::string& option) const;
  std::optional<std::string> Value(const std::string& option) const;
  // Every value of an option that may be repeated, in order.
  std::vector<std::string> Values(const std::string& option) const;
  // An integer option within lo..hi, or fallback when absent.
  int Int(const std::string& option, int lo, int hi, int fallback) const;
  // A value that must be one of the choices, or fallback when absent.
  std::string Choice(const std::string& option, const std::vector<std::string>& choices,
                     const std::string& fallback) const;
  const std::vector<std::string>& Positional() const { return positional_; }
  // The one positional argument the command needs, named for the message.
  std::string Single(const std::string& what) const;

private:
  std::multimap<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::vector<std::string> positional_;
};

} // namespace arvento::cli
