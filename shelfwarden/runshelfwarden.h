#pragma once

namespace shelfwarden {

// ShelfWarden from start to end: loads the suite's common library, finds
// the suite's bookshelves, keeps to one instance per program path, warns
// the user what the tool is for and runs the dialog. Needs a QApplication.
// Returns the process exit code.
int runShelfWarden();

} // namespace shelfwarden
