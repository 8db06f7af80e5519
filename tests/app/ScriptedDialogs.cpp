#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace arvento::test {

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

void ScriptedDialogs::Clear() {
  questions.clear();
  notices.clear();
  errors.clear();
  answers_.clear();
}

} // namespace arvento::test
