#pragma once

#include <QByteArray>
#include <QString>

// Host-side file writing of the sample generators, which are given host
// folders. Failures leave a message in *error.
namespace samplefiles {

// Creates the folder (and its parents). A folder that holds anything is
// refused, so that sample data never mixes with other files.
bool prepareEmptyFolder(const QString &path, QString *error);
bool makeFolder(const QString &path, QString *error);
bool writeFile(const QString &path, const QByteArray &bytes, QString *error);

} // namespace samplefiles
