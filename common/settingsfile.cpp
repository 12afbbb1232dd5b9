#include "settingsfile.h"

#include "platform/fileops.h"

namespace settingsfile {

QString tempFilePath(QStringView fileName)
{
    return win::tempPath() + fileName.toString();
}

QString line(QStringView key, const QString &value)
{
    return key.toString() + u'=' + value;
}

QString line(QStringView key, int value)
{
    return line(key, QString::number(value));
}

bool writeLines(const QString &path, const QStringList &lines, win::TextFile::Mode mode)
{
    win::TextFile file;
    if (!file.open(path, mode))
        return false;
    for (const QString &text : lines) {
        if (!file.write(text + u'\n'))
            return false;
    }
    return file.close();
}

} // namespace settingsfile
