#include "app/FileListBox.h"

#include "project/PartFiles.h"

namespace fs = std::filesystem;

namespace arvento::app {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {}

void FileListBox::SetDirectory(const fs::path& directory) {
  directory_ = directory;
  Reread();
}

void FileListBox::Reread() {
  clear();
  if (directory_.empty())
    return;
  const QIcon icon = Icon();
  for (const QString& name : Names(directory_))
    addItem(new QListWidgetItem(icon, name));
}

QStringList FileListBox::Names(const fs::path& directory) const {
  QStringList names;
  for (const std::string& name : project::ProjectMidiFiles(directory))
    names.push_back(QString::fromStdString(name));
  return names;
}

fs::path FileListBox::SelectedFile() const {
  const QListWidgetItem* item = currentItem();
  if (item == nullptr || !item->isSelected()) {
    const QList<QListWidgetItem*> selected = selectedItems();
    item = selected.isEmpty() ? nullptr : selected.front();
  }
  if (item == nullptr)
    return {};
  return directory_ / item->text().toStdString();
}

} // namespace arvento::app
