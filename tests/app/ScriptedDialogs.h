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
  // The save dialogs answer with these files in turn; an empty one cancels.
  void PlanSaveFiles(std::initializer_list<QString> files) { saveFiles_.insert(saveFiles_.end(), files); }
  QString AskSaveFile(const QString& caption, const QString& suggested, const QStringList& filters) override {
    SaveQuestion question{caption.toStdString(), suggested.toStdString(), {}};
    for (const QString& filter : filters)
      question.filters.push_back(filter.toStdString());
    saveQuestions.push_back(question);
    EXPECT_FALSE(saveFiles_.empty()) << "unplanned save dialog: " << question.caption;
    if (saveFiles_.empty())
      return {};
    const QString file = saveFiles_.front();
    saveFiles_.pop_front();
    return file;
  }
  bool AllAnswered() const { return answers_.empty() && saveFiles_.empty(); }
  void Clear() { *this = ScriptedDialogs(); }

  std::vector<std::string> questions, notices, errors;
  struct SaveQuestion {
    std::string caption;
    std::string suggested;
    std::vector<std::string> filters;
  };
  std::vector<SaveQuestion> saveQuestions;

private:
  std::deque<bool> answers_;
  std::deque<QString> saveFiles_;
};

} // namespace arvento::test
