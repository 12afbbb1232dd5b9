#pragma once

#include <QString>

// The template of the classification tree database that DeliveryReader
// copies to the temp folder as KOUJIMASTER.MDB: the empty node table.
namespace koujimastertemplate {

inline constexpr char16_t FileName[] = u"KOUJIMASTER";
inline constexpr char16_t TableName[] = u"KOUJIMASTER";

// Creates the template at the Windows-form path, which must not exist yet.
// Throws JETDAO::CDaoException.
void create(const QString &path);

} // namespace koujimastertemplate
