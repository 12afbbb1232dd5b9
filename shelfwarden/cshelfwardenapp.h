#pragma once

#include "platform/namedmutex.h"
#include "suiteapi/suitecommonfunctions.h"

#include <QString>
#include <QStringList>

namespace shelfwarden {

// ShelfWarden's application object: where the suite keeps its data, the
// bookshelves the suite has on this computer, and the one-instance rule.
// The dialog reads the bookshelf lists and changes only the active shelf.
class CShelfWardenApp final
{
public:
    explicit CShelfWardenApp(const suiteapi::SuiteCommonFunctions &suite);
    Q_DISABLE_COPY_MOVE(CShelfWardenApp)

    // The program's window title.
    static const QString Title;
    // Appended to the folder text of a bookshelf whose data folder is gone.
    static const QString MissingFolderSuffix;
    static const QString FolderPresent;  // "ON"
    static const QString FolderMissing;  // "OFF"

    // The data root from the program folder (with trailing backslash),
    // Profile.dat in the program folder and in the data root, and the
    // suite's per-user data folder.
    void locateDataRoot(const QString &programFolder);
    // Lists the bookshelves of the profile folders data, data1, ... up to
    // the first missing one; done once.
    void discoverShelves();

    enum class Instance { First, AlreadyRunning, Failed };
    // Takes the program's named mutex, held while this object lives.
    Instance claimInstance(const QString &commandLine, const QString &programFileName);
    // The mutex name: the program's path as the command line gives it, in
    // its short form, with backslashes and colons turned to '0', upper case.
    QString instanceName(const QString &commandLine, const QString &programFileName) const;

    const suiteapi::SuiteCommonFunctions &suite() const { return m_suite; }
    const QString &suiteDataRoot() const { return m_strSuiteDataRoot; }
    const QStringList &shelfNames() const { return m_astrShelfName; }
    const QStringList &dataDirs() const { return m_astrDataDir; }
    const QStringList &folderStates() const { return m_astrFolderState; }
    int activeShelf() const { return m_nActiveShelf; }
    void setActiveShelf(int position) { m_nActiveShelf = position; }

private:
    const suiteapi::SuiteCommonFunctions &m_suite;
    QString m_strSuiteDataRoot;
    int m_activeProfileFolder = 0;  // activebks of Profile.dat
    QStringList m_astrShelfName;
    QStringList m_astrDataDir;
    QStringList m_astrFolderState;
    int m_nActiveShelf = 0;
    win::NamedMutex m_instanceMutex;
};

} // namespace shelfwarden
