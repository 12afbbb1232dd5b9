#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <mutex>

// The process's drive letters and the host folders they stand for. One
// table per process (this library is shared), loaded on first use from the
// default (Z: = "/") and TESSERA_DRIVES.
namespace win {

class DriveTable
{
public:
    static DriveTable &instance();

    void map(QChar letter, const QString &hostFolder);
    void unmap(QChar letter);
    void reset();
    // Empty when the letter is not mapped.
    QString hostFolder(QChar letter) const;

    // The drive whose folder is the longest prefix of an absolute, clean
    // host path, and the rest of the path after that folder (no leading
    // slash). A null letter when no drive maps the path.
    struct Match
    {
        QChar letter;
        QString rest;
    };
    Match match(const QString &cleanHostPath) const;

    // "C=/srv/c;D=/home/u/d" read into the table; "Z=" unmaps Z:.
    void load(const QString &spec);

private:
    DriveTable();
    static int slot(QChar letter);

    mutable std::mutex m_mutex;
    std::array<QString, 26> m_folders;
};

} // namespace win
