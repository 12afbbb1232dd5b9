#pragma once

// KOUJIMASTER.MDB, the tree database DeliveryReader leaves in the temp
// folder beside G_INPUTXML.dat: one hierarchy as a first-child /
// next-sibling node table under a single root. DeliveryReader writes it,
// the host application reads it.
namespace koujimaster {

inline constexpr char16_t FileName[] = u"KOUJIMASTER.MDB";
// The node table and its columns (with full-width ＩＤ).
inline constexpr char16_t TableName[] = u"KOUJIMASTER";
inline constexpr char16_t ItemIdColumn[] = u"項目ＩＤ";
inline constexpr char16_t NameColumn[] = u"名称";
inline constexpr char16_t ChildIdColumn[] = u"子ＩＤ";
inline constexpr char16_t YoungerIdColumn[] = u"弟ＩＤ";
inline constexpr char16_t ParentIdColumn[] = u"親ＩＤ";
inline constexpr int RootId = 1;

} // namespace koujimaster
