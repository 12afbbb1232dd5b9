#pragma once

// Functions of the suite's album tree library, "workstree.dll"
// (DeliveryWriter only).

namespace suiteapi {
// The control id of the tree that CreateWorksTree makes in the page (for
// scripted runs: "tick <id> <album>").
inline constexpr int WorksTreeControlId = 1200;
} // namespace suiteapi

extern "C" {

// Creates the tree of bookshelves and albums inside parentWindow (a
// QWidget*). Nonzero when created.
int CreateWorksTree(const char16_t *dataFolder, int shelfNumber, const int *albumNumbers,
                    int albumCount, int left, int top, int right, int bottom,
                    void *parentWindow, int reserved);
// Builds G_PHOTO.mdb of the chosen albums, then delivers message 2025 to
// the parent window with a nonzero first parameter when it holds photos.
void CreatePhotoMdb();
int GetOtherData();
void SetOtherData(int flag);
void DestoryWorksTree();
}
