#pragma once

#include "app/Dialogs.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace arvento::test {

// Answers the window's questions from a plan and records every text shown.
// A question beyond the plan fails the test and is answered No.
class ScriptedDialogs : public app::Dialogs {
public:
  void Plan(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
  bool Ask(const QString& question) override;
  void Inform(const QString& text) override { notices.push_back(text.toStdString()); }
  void ReportError(const QString& text) override { errors.push_back(text.toStdString()); }

  bool AllAnswered() const { return answers_.empty(); }
  void Clear();

  std::vector<std::string> questions;
  std::vector<std::string> notices;
  std::vector<std::string> errors;

private:
  std::deque<bool> answers_;
};

} // namespace arvento::test
