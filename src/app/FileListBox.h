#pragma once

#include <QListWidget>

#include <filesystem>

namespace arvento::app {

// The part files (*.mid) of one directory, sorted by name without regard to
// case, so that ch10v1a.mid comes before ch1v1a.mid.
class FileListBox : public QListWidget {
  Q_OBJECT

public:
  explicit FileListBox(QWidget* parent = nullptr);

  // Shows the directory's entries; nothing is selected afterwards.
  void SetDirectory(const std::filesystem::path& directory);
  const std::filesystem::path& Directory() const { return directory_; }
  // Reads the directory again.
  void Reread();
  // The full path of the selected entry: the current item when it is
  // selected, else the first selected one; empty when none is.
  std::filesystem::path SelectedFile() const;

protected:
  // The names the list shows for a directory, in their order, and their icon.
  virtual QStringList Names(const std::filesystem::path& directory) const;
  virtual QIcon Icon() const { return {}; }

private:
  std::filesystem::path directory_;
};

} // namespace arvento::app
