#include "FileListBox.h"

#include "PartFiles.h"

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
  for (const std::string& name : project::ProjectMidiFiles(directory_))
    addItem(QString::fromStdString(name));
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

std::vector<fs::path> FileListBox::Files() const {
  std::vector<fs::path> files;
  for (int i = 0; i < count(); ++i)
    files.push_back(directory_ / this->item(i)->text().toStdString());
  return files;
}

void FileListBox::SelectFile(const QString& name) {
  const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
  if (found.isEmpty())
    return;
  clearSelection();
  setCurrentItem(found.front());
  found.front()->setSelected(true);
}

} // namespace arvento::app
