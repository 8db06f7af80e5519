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

void ScriptedDialogs::PlanSaveFiles(std::initializer_list<QString> files) {
  saveFiles_.insert(saveFiles_.end(), files);
}

QString ScriptedDialogs::AskSaveFile(const QString& caption, const QString& suggested,
                                     const QStringList& filters) {
  SaveQuestion question{caption.toStdString(), suggested.toStdString(), {}};
  for (const QString& filter : filters)
    question.filters.push_back(filter.toStdString());
  saveQuestions.push_back(question);
  if (saveFiles_.empty()) {
    ADD_FAILURE() << "unplanned save dialog: " << question.caption;
    return {};
  }
  const QString file = saveFiles_.front();
  saveFiles_.pop_front();
  return file;
}

void ScriptedDialogs::PlanOpenFiles(std::initializer_list<QString> files) {
  openFiles_.insert(openFiles_.end(), files);
}

void ScriptedDialogs::PlanChoices(std::initializer_list<int> choices) {
  choices_.insert(choices_.end(), choices);
}

QString ScriptedDialogs::AskOpenFile(const QString& caption, const QStringList&) {
  openQuestions.push_back(caption.toStdString());
  if (openFiles_.empty()) {
    ADD_FAILURE() << "unplanned open dialog: " << caption.toStdString();
    return {};
  }
  const QString file = openFiles_.front();
  openFiles_.pop_front();
  return file;
}

int ScriptedDialogs::ChooseItem(const QString& caption, const QStringList& items) {
  std::vector<std::string> offered;
  for (const QString& item : items)
    offered.push_back(item.toStdString());
  choiceLists.push_back(offered);
  if (choices_.empty()) {
    ADD_FAILURE() << "unplanned choice: " << caption.toStdString();
    return -1;
  }
  const int choice = choices_.front();
  choices_.pop_front();
  return choice;
}

void ScriptedDialogs::Clear() {
  questions.clear();
  notices.clear();
  errors.clear();
  saveQuestions.clear();
  openQuestions.clear();
  choiceLists.clear();
  answers_.clear();
  saveFiles_.clear();
  openFiles_.clear();
  choices_.clear();
}

} // namespace arvento::test
