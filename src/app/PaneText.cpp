#include "app/PaneText.h"

#include <QPlainTextEdit>

namespace arvento::app {

std::vector<std::string> PaneLines(const QPlainTextEdit& pane) {
  QString text = pane.toPlainText();
  if (text.endsWith('\n'))
    text.chop(1);
  std::vector<std::string> lines;
  if (text.isEmpty() && pane.document()->blockCount() <= 1)
    return lines;
  for (const QString& line : text.split('\n'))
    lines.push_back(line.toStdString());
  return lines;
}

void SetPaneLines(QPlainTextEdit& pane, const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines)
    text.push_back(QString::fromStdString(line));
  pane.setPlainText(text.join('\n'));
}

} // namespace arvento::app
