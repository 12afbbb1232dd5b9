#include "drivetable.h"

#include <QDir>

namespace win {

namespace {

QString cleanFolder(const QString &hostFolder)
{
    return QDir::cleanPath(QDir(hostFolder).absolutePath());
}

} // namespace

DriveTable &DriveTable::instance()
{
    static DriveTable table;
    return table;
}

DriveTable::DriveTable()
{
    reset();
}

int DriveTable::slot(QChar letter)
{
    const char16_t upper = QChar::toUpper(letter.unicode());
    return upper >= u'A' && upper <= u'Z' ? upper - u'A' : -1;
}

void DriveTable::map(QChar letter, const QString &hostFolder)
{
    const int index = slot(letter);
    if (index < 0 || hostFolder.isEmpty())
        return;
    const QString folder = cleanFolder(hostFolder);
    std::lock_guard lock(m_mutex);
    m_folders[index] = folder;
}

void DriveTable::unmap(QChar letter)
{
    const int index = slot(letter);
    if (index < 0)
        return;
    std::lock_guard lock(m_mutex);
    m_folders[index].clear();
}

void DriveTable::reset()
{
    {
        std::lock_guard lock(m_mutex);
        for (QString &folder : m_folders)
            folder.clear();
        m_folders[slot(QLatin1Char('Z'))] = QStringLiteral("/");
    }
    load(qEnvironmentVariable("TESSERA_DRIVES"));
}

void DriveTable::load(const QString &spec)
{
    const QStringList entries = spec.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals != 1 || slot(entry.at(0)) < 0)
            continue;
        const QString folder = entry.mid(2).trimmed();
        if (folder.isEmpty())
            unmap(entry.at(0));
        else if (QDir::isAbsolutePath(folder))
            map(entry.at(0), folder);
    }
}

QString DriveTable::hostFolder(QChar letter) const
{
    const int index = slot(letter);
    if (index < 0)
        return QString();
    std::lock_guard lock(m_mutex);
    return m_folders[index];
}

DriveTable::Match DriveTable::match(const QString &cleanHostPath) const
{
    Match best;
    qsizetype bestLength = -1;
    std::lock_guard lock(m_mutex);
    for (int index = 0; index < int(m_folders.size()); ++index) {
        const QString &folder = m_folders[index];
        if (folder.isEmpty() || folder.size() <= bestLength)
            continue;
        qsizetype restStart = -1;
        if (folder == QLatin1String("/"))
            restStart = 1;
        else if (cleanHostPath == folder)
            restStart = folder.size();
        else if (cleanHostPath.startsWith(folder)
                 && cleanHostPath.at(folder.size()) == QLatin1Char('/'))
            restStart = folder.size() + 1;
        if (restStart < 0 || !cleanHostPath.startsWith(QLatin1Char('/')))
            continue;
        bestLength = folder.size();
        best.letter = QChar(u'A' + index);
        best.rest = cleanHostPath.mid(restStart);
    }
    return best;
}

} // namespace win
