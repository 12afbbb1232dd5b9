#pragma once

#include "sampleoptions.h"
#include "samplerandom.h"

#include <QSet>
#include <QString>
#include <QStringList>

// Makes a government-building (営繕) photo delivery: the construction-name
// folder with nested classification folders (work category, trade,
// subject, floor, grid line, details) holding the photos, deeper than five
// levels in places. Photo extensions come in mixed case (JPG, jpe, jpeg);
// some folders hold notes (.txt) and files that are not photos (.tif,
// .jpg.bak). The construction folder itself holds only folders and a
// .txt, as a disc's construction folder does. The same options give the
// same bytes.
class EizenGenerator final
{
public:
    static const QStringList PhotoExtensions;

    explicit EizenGenerator(const EizenOptions &options);

    // folder is a host path and becomes the construction-name folder; it
    // must be missing or empty.
    bool generate(const QString &folder);

    QString errorText() const { return m_errorText; }

private:
    // The folder of a photo, relative to the construction folder.
    QStringList walk(bool deepest);
    bool ensureFolder(const QString &root, const QStringList &levels);

    EizenOptions m_options;
    SampleRandom m_random;
    QSet<QString> m_made; // folders made, relative
    QString m_errorText;
};
