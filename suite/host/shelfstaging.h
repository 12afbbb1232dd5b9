#pragma once

#include <QString>

// How a new bookshelf comes into the suite's data whole or not at all. Its
// profile folder (data, data1, ...) and, when the bookshelf folder lies
// elsewhere, its data folder are built under scratch names (the name
// followed by ".importing") that the suite never reads. The data folder is
// renamed into place first, holding a marker file; the rename of the
// profile folder then makes the bookshelf seen and is the one moment the
// import takes effect; the marker goes after it. An import killed on the way
// so leaves only scratch folders and marked data folders, which
// recoverInterruptedImports takes away (past that moment, the marker only).
namespace host {

class ShelfStaging final
{
public:
    // Host paths of the final folders; the data folder may be the profile
    // folder itself.
    ShelfStaging(const QString &profileFolder, const QString &dataFolder);
    // Takes away whatever an uncommitted staging made, and gives back an
    // empty bookshelf folder the user had named.
    ~ShelfStaging();
    Q_DISABLE_COPY_MOVE(ShelfStaging)

    // Refuses a taken profile folder or a bookshelf folder that is anything
    // but missing or an empty folder; makes the scratch folders, with
    // BKSPROF.DAT naming dataDir (Windows form) and shelfName.
    bool start(const QString &dataDir, const QString &shelfName, QString *error);
    // Where the bookshelf's data is written until commit.
    QString dataScratch() const;
    bool commit(QString *error);

private:
    bool separateData() const;
    bool fail(const QString &text, QString *error);

    QString m_profile;
    QString m_data;
    QString m_firstMadeParent; // the outermost folder made above the data scratch
    bool m_started = false;
    bool m_hadEmptyFolder = false;
    bool m_dataPlaced = false;
    bool m_committed = false;
};

// Takes away what imports killed on the way left in the data root (host
// path): scratch folders, and data folders renamed into place for a
// bookshelf whose profile never came; a marker left in a bookshelf that
// did come goes.
void recoverInterruptedImports(const QString &dataRoot);

} // namespace host
