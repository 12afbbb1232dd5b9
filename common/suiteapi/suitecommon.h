#pragma once

// Functions of the suite's common library, "suitecommon.DLL". Strings are
// zero-terminated UTF-16; buffers hold 260 characters.
extern "C" {

int InitializeCommonDll(int reserved);
// Zero when the folder cannot be written.
int IsThisDriveWritable(char16_t *folder);
// Nonzero on the platform versions whose per-user data folder the suite
// uses (GetMyDataDir).
int IsWin2KorXP();
// The suite's per-user data folder for a program folder.
int GetMyDataDir(const char16_t *programFolder, char16_t *buffer);
// The long form of a path.
int GetLongPath(const char16_t *path, char16_t *buffer);
// Appends name to the path in buffer, with one backslash between them.
int CatPath(char16_t *path, const char16_t *name);
}
