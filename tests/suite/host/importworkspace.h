#pragma once

#include "jetdaotest.h"

#include <QMap>
#include <QProcess>

#include <functional>
#include <optional>

// Every folder (no bytes) and file (its bytes) below some folders, by
// relative path: the state of the suite's data compared before and after.
using FolderTree = QMap<QString, std::optional<QByteArray>>;

// A workspace with suite data (D:\suite, one bookshelf), a generated
// standard delivery (D:\delivery) read as DeliveryReader reads it, and
// G_INPUTXML.dat for a new bookshelf by count; the bookshelf folders
// outside the data root go below D:\shelves.
class ImportWorkspace : public JetDaoTest
{
protected:
    static constexpr int DeliveryPhotos = 6;
    static constexpr int PhotosPerAlbum = 4;

    void SetUp() override;

    // G_INPUTXML.dat naming bsfolder= unless it is empty.
    void writeInputSettings(const QString &shelfFolder) const;
    // The delivery's photo files in their order.
    QStringList deliveryPhotos() const;

    // D:\suite and D:\shelves as they stand, and put back as they were.
    FolderTree suiteTree() const;
    void restoreSuiteTree(const FolderTree &tree) const;

    // host_import_helper on D:\suite with extra arguments, set up by
    // prepare (e.g. a child process modifier) before it starts.
    void startHelper(QProcess *helper, const QStringList &extra = QStringList(),
                     const std::function<void(QProcess &)> &prepare = {}) const;
};

// The differences of two trees, for a readable failure.
std::string treeDifference(const FolderTree &expected, const FolderTree &actual);
