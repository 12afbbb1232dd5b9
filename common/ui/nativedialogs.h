#pragma once

#include "dialogs.h"

// The real dialogs behind the dialogs service, shown when no answerer is
// installed. Only dialogs.cpp calls these.
namespace ui {

int showMessageBox(QWidget *owner, const MessageBoxRequest &request);
std::optional<QString> showFolderBrowser(QWidget *owner, const FolderBrowseRequest &request);
std::optional<QString> showSaveFileDialog(QWidget *owner, const SaveFileRequest &request);

} // namespace ui
