#include "app/DirectoryListBox.h"

#include <QStyle>

namespace fs = std::filesystem;

namespace arvento::app {

QStringList DirectoryListBox::Names(const fs::path& directory) const {
  QStringList names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory, error)) {
    std::error_code ignored;
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(ignored) && !name.starts_with("."))
      names.push_back(QString::fromStdString(name));
  }
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

QIcon DirectoryListBox::Icon() const {
  return style()->standardIcon(QStyle::SP_DirIcon);
}

} // namespace arvento::app
