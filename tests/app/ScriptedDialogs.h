#pragma once

#include "app/Dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace arvento::test {

// Answers the window's questions and dialogs from plans and records every
// text shown. A question or dialog beyond its plan fails the test and is
// answered No or cancelled.
class ScriptedDialogs : public app::Dialogs {
public:
  void Plan(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
  // The save and open dialogs answer with these files in turn, the lists with
  // these indexes; an empty file or -1 cancels.
  void PlanSaveFiles(std::initializer_list<QString> files) { saveFiles_.insert(saveFiles_.end(), files); }
  void PlanOpenFiles(std::initializer_list<QString> files) { openFiles_.insert(openFiles_.end(), files); }
  void PlanChoices(std::initializer_list<int> choices) { choices_.insert(choices_.end(), choices); }

  bool Ask(const QString& question) override {
    questions.push_back(question.toStdString());
    return Next(answers_, "question: " + questions.back(), false);
  }
  void Inform(const QString& text) override { notices.push_back(text.toStdString()); }
  void ReportError(const QString& text) override { errors.push_back(text.toStdString()); }
  QString AskSaveFile(const QString& caption, const QString& suggested, const QStringList& filters) override {
    saveQuestions.push_back({caption.toStdString(), suggested.toStdString(), filters});
    return Next(saveFiles_, "save dialog: " + saveQuestions.back().caption, QString());
  }
  QString AskOpenFile(const QString& caption, const QStringList&) override {
    return Next(openFiles_, "open dialog: " + caption.toStdString(), QString());
  }
  int ChooseItem(const QString& caption, const QStringList& items) override {
    choiceLists.push_back(items);
    return Next(choices_, "choice: " + caption.toStdString(), -1);
  }

  bool AllAnswered() const {
    return answers_.empty() && saveFiles_.empty() && openFiles_.empty() && choices_.empty();
  }
  void Clear() { *this = ScriptedDialogs(); }

  std::vector<std::string> questions, notices, errors;
  struct SaveQuestion {
    std::string caption, suggested;
    QStringList filters;
  };
  std::vector<SaveQuestion> saveQuestions;
  std::vector<QStringList> choiceLists; // the items offered

private:
  template <class Answer> static Answer Next(std::deque<Answer>& plan, const std::string& what, Answer none) {
    EXPECT_FALSE(plan.empty()) << "unplanned " << what;
    if (plan.empty())
      return none;
    const Answer answer = plan.front();
    plan.pop_front();
    return answer;
  }

  std::deque<bool> answers_;
  std::deque<QString> saveFiles_, openFiles_;
  std::deque<int> choices_;
};

} // namespace arvento::test
