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
  void Plan(std::initializer_list<bool> answers);
  bool Ask(const QString& question) override;
  void Inform(const QString& text) override;
  void ReportError(const QString& text) override;
  // The save dialogs answer with these files in turn; an empty one cancels.
  void PlanSaveFiles(std::initializer_list<QString> files);
  QString AskSaveFile(const QString& caption, const QString& suggested, const QStringList& filters) override;

  // The open dialogs answer with these files in turn, the lists with these
  // indexes; an empty file or -1 cancels.
  void PlanOpenFiles(std::initializer_list<QString> files);
  void PlanChoices(std::initializer_list<int> choices);
  QString AskOpenFile(const QString& caption, const QStringList& filters) override;
  int ChooseItem(const QString& caption, const QStringList& items) override;

  bool AllAnswered() const {
    return answers_.empty() && saveFiles_.empty() && openFiles_.empty() && choices_.empty();
  }
  void Clear();

  std::vector<std::string> questions;
  std::vector<std::string> notices;
  std::vector<std::string> errors;
  struct SaveQuestion {
    std::string caption;
    std::string suggested;
    std::vector<std::string> filters;
  };
  std::vector<SaveQuestion> saveQuestions;
  std::vector<std::string> openQuestions;            // the captions
  std::vector<std::vector<std::string>> choiceLists; // the items offered

private:
  std::deque<bool> answers_;
  std::deque<QString> saveFiles_;
  std::deque<QString> openFiles_;
  std::deque<int> choices_;
};

} // namespace arvento::test
