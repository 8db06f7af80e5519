#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace arvento::test {

void ScriptedDialogs::Plan(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers);
}

bool ScriptedDialogs::Ask(const QString& question) {
  questions.push_back(question.toStdString());
  if (answers_.empty()) {
    ADD_FAILURE() << "unplanned question: " << question.toStdString();
    return false;
  }
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedDialogs::Inform(const QString& text) {
  notices.push_back(text.toStdString());
}

void ScriptedDialogs::ReportError(const QString& text) {
  errors.push_back(text.toStdString());
}

void ScriptedDialogs::Clear() {
  questions.clear();
  notices.clear();
  errors.clear();
  answers_.clear();
}

} // namespace arvento::test
