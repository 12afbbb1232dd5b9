#include "filenames.h"

#include <QFileInfo>

namespace host {

QString windowsName(const QString &text)
{
    static const QString Refused = QStringLiteral("\\/:*?\"<>|");
    QString name = text;
    for (QChar &character : name) {
        if (Refused.contains(character) || character.unicode() < u' ')
            character = u'_';
    }
    return name;
}

QString uniquePath(const QDir &folder, const QString &name, QSet<QString> *taken)
{
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString candidate = folder.filePath(name);
    for (int copy = 2; taken->contains(candidate.toCaseFolded()); ++copy)
        candidate = folder.filePath(info.completeBaseName() + QStringLiteral("_%1").arg(copy) + suffix);
    taken->insert(candidate.toCaseFolded());
    return candidate;
}

} // namespace host
