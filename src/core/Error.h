#pragma once

#include <stdexcept>
#include <string>

namespace arvento {

// The one failure type of the program. Its message is written for a person:
// it names the line, the token or the file that went wrong.
class Error : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace arvento
