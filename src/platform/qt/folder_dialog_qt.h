// The folder dialog of the Linux program: Qt's own folder dialog, which (unlike the
// desktop's native one) tells us of every selection and has room for a status line.
#pragma once

#include "platform/folder_dialog.h"

namespace sweep {

class QtFolderDialog : public platform::FolderDialog {
 public:
  Text Browse(const platform::BrowseParameters& parameters) override;
};

}  // namespace sweep
