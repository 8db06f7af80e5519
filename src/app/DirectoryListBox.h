#pragma once

#include <QListWidget>

#include <filesystem>

namespace arvento::app {

// The directories under one directory: the projects of the start directory.
class DirectoryListBox : public QListWidget {
  Q_OBJECT

public:
  explicit DirectoryListBox(QWidget* parent = nullptr);

  void SetDirectory(const std::filesystem::path& directory);
  void Reread();

private:
  std::filesystem::path directory_;
};

} // namespace arvento::app
