#pragma once

// Column widths of Qt's own file dialog that fit their Japanese headings and what the columns
// show: the size, the file type ("フォルダ", "鋼管仕口ファイル") and the date as the system writes
// it. Qt sizes the columns for English texts, which cuts the Japanese headings and longer dates.
// Also widens the list of places to its names ("コンピュータ"). A dialog drawn by the desktop
// itself has none of these and is left as it is.

class QFileDialog;

namespace flange {

void fitFileDialogColumns(QFileDialog& dialog);

} // namespace flange
