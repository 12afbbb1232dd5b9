#pragma once

#include <QByteArray>
#include <QString>

// Names on a host volume are bytes, while the programs see names in UTF-16,
// as a Windows volume gives them.
//
// Host paths are kept in QStrings that map back to their bytes exactly: a
// byte that is no part of UTF-8 stands as one code unit U+DC80..U+DCFF
// (which no UTF-8 text decodes to). So a name copied from a Japanese disc or
// unpacked from an archive in Shift_JIS still names its own file. Every call
// of the platform into the host system goes through hostPathBytes.
namespace win {

QString hostPathFromBytes(const QByteArray &bytes);
QByteArray hostPathBytes(const QString &hostPath);

// The name a Windows volume would show for a host file name: a UTF-8 name
// as it is, a name that is no UTF-8 read as CP932 (as a Japanese Windows
// wrote it). Null when it is neither, or when Windows could not hold it
// (a character it refuses in names, a trailing dot or blank): no Windows
// path can name such an entry.
QString windowsName(const QString &hostName);

// A host name for messages: bytes that are no UTF-8 shown as U+FFFD.
QString displayName(const QString &hostName);

} // namespace win
