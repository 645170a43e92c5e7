#pragma once

// File dialogs that never read the files they list. Qt's own dialog asks its icon provider for an
// icon and a type description of every entry, and the standard provider guesses both from the
// file's content: a pipe in the folder, or a file in /proc that blocks when read, then stops the
// dialog for good. Dialogs set up here judge entries by their names and kinds only.

class QFileDialog;

namespace flange {

// Sets up `dialog` to judge entries by name: Qt's own dialog (a platform dialog would look at the
// files in its own way; on Windows, where no such files exist, the platform's dialog stays) with an
// icon provider that never opens a file.
void judgeFilesByNameOnly(QFileDialog& dialog);

} // namespace flange
