#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

namespace arvento::app {

// The lines of a text pane in UTF-8. An empty pane has no lines, and a final
// line break does not start another line.
std::vector<std::string> PaneLines(const QPlainTextEdit& pane);
void SetPaneLines(QPlainTextEdit& pane, const std::vector<std::string>& lines);

} // namespace arvento::app
