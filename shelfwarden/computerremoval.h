#pragma once

#include <QString>

namespace shelfwarden {

// Removes one computer's entries from a shared bookshelf's NetProf.dat: its
// registration for sharing when it was chosen among the sharing computers,
// and in any case its usage entries. Values match the encoded displayed name
// without regard to case; in USER and the usage sections a plain name equal
// to the displayed name matches too, since computers registered without a
// group are listed there by their plain names. VERSION and SERIALNO are
// never changed. False when the profile refused a write (a read-only file
// or share): the removal stops there, and the views read afterwards show
// what is left.
bool RemoveComputer(const QString &profilePath, const QString &displayedName,
                    bool fromSharingList);

} // namespace shelfwarden
