#pragma once

#include <QDir>
#include <QSet>
#include <QString>

// Names the host gives the folders and files it writes.
namespace host {

// A name that Windows takes for a folder or file: the characters it
// refuses become "_".
QString windowsName(const QString &text);

// The path of name in folder, with "_2", "_3", ... before the extension
// when two files of one folder would share a name, so none is lost. taken
// holds the case-folded paths given out so far.
QString uniquePath(const QDir &folder, const QString &name, QSet<QString> *taken);

} // namespace host
