#pragma once

#include "app/FileListBox.h"

namespace arvento::app {

// The directories under one directory, hidden ones left out: the projects of
// the start directory.
class DirectoryListBox : public FileListBox {
  Q_OBJECT

public:
  using FileListBox::FileListBox;

protected:
  QStringList Names(const std::filesystem::path& directory) const override;
  QIcon Icon() const override;
};

} // namespace arvento::app
