#pragma once

#include "app/Dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace arvento::test {

// Answers the window's questions from a plan and records every text shown.
// A question beyond the plan fails the test and is answered No.
class ScriptedDialogs : public app::Dialogs {
public:
  void Plan(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
  bool Ask(const QString& question) override {
    questions.push_back(question.toStdString());
    EXPECT_FALSE(answers_.empty()) << "unplanned question: " << questions.back();
    const bool answer = !answers_.empty() && answers_.front();
    if (!answers_.empty())
      answers_.pop_front();
    return answer;
  }
  void Inform(const QString& text) override { notices.push_back(text.toStdString()); }
  void ReportError(const QString& text) override { errors.push_back(text.toStdString()); }
  void Clear() { *this = ScriptedDialogs(); }

  std::vector<std::string> questions, notices, errors;

private:
  std::deque<bool> answers_;
};

} // namespace arvento::test
