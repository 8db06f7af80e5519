#include "app/DirectoryListBox.h"

#include <QStyle>

#include <algorithm>

namespace fs = std::filesystem;

namespace arvento::app {

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {}

void DirectoryListBox::SetDirectory(const fs::path& directory) {
  directory_ = directory;
  Reread();
}

void DirectoryListBox::Reread() {
  QStringList names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory_, error)) {
    std::error_code ignored;
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(ignored) && !name.starts_with("."))
      names.push_back(QString::fromStdString(name));
  }
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  clear();
  const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
  for (const QString& name : names)
    addItem(new QListWidgetItem(folder, name));
}

} // namespace arvento::app
