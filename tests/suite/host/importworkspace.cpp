#include "importworkspace.h"

#include "deliverygenerator.h"
#include "deliveryimport.h"
#include "suitesample.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>

namespace {

const QStringList SuiteFolders{QStringLiteral("suite"), QStringLiteral("shelves")};

} // namespace

void ImportWorkspace::SetUp()
{
    JetDaoTest::SetUp();
    SuiteSample sample;
    sample.root = hostPath(QStringLiteral("suite"));
    sample.albums = 1;
    sample.photos = 2;
    QString error;
    ASSERT_TRUE(sample.write(&error)) << error.toStdString();
    makeFolder(QStringLiteral("shelves"));
    DeliveryGenerator generator(
        {DeliveryPhotos, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    ASSERT_TRUE(generator.generate(hostPath(QStringLiteral("delivery"))))
        << generator.errorText().toStdString();
    DeliveryImport read(winPath(QStringLiteral("delivery")), 0);
    ASSERT_TRUE(read.run()) << read.errorText().toStdString();
    writeInputSettings(QString());
}

void ImportWorkspace::writeInputSettings(const QString &shelfFolder) const
{
    QStringList lines{QStringLiteral("[XMLIN]"), QStringLiteral("importmode=1")};
    if (!shelfFolder.isEmpty())
        lines.append(QStringLiteral("bsfolder=") + shelfFolder);
    lines += {QStringLiteral("folder=") + winPath(QStringLiteral("delivery")),
              QStringLiteral("type=1"), QStringLiteral("size=%1").arg(PhotosPerAlbum),
              QStringLiteral("filename=1")};
    writeFile(QStringLiteral("temp/G_INPUTXML.dat"),
              utf16le(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

QStringList ImportWorkspace::deliveryPhotos() const
{
    return QDir(hostPath(QStringLiteral("delivery/PHOTO/PIC"))).entryList(QDir::Files, QDir::Name);
}

FolderTree ImportWorkspace::suiteTree() const
{
    FolderTree tree;
    for (const QString &folder : SuiteFolders) {
        QDirIterator entries(hostPath(folder),
                             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QFileInfo entry = entries.nextFileInfo();
            const QString relative = QDir(hostPath()).relativeFilePath(entry.filePath());
            tree.insert(relative, entry.isDir() ? std::nullopt
                                                : std::optional(readHostFile(entry.filePath())));
        }
    }
    return tree;
}

void ImportWorkspace::restoreSuiteTree(const FolderTree &tree) const
{
    for (const QString &folder : SuiteFolders) {
        QDir(hostPath(folder)).removeRecursively();
        makeFolder(folder);
    }
    // Parents sort before their entries.
    for (auto entry = tree.begin(); entry != tree.end(); ++entry) {
        if (entry.value())
            writeFile(entry.key(), *entry.value());
        else
            makeFolder(entry.key());
    }
}

void ImportWorkspace::startHelper(QProcess *helper, const QStringList &extra,
                                  const std::function<void(QProcess &)> &prepare) const
{
    helper->setProcessEnvironment(programEnvironment());
    if (prepare)
        prepare(*helper);
    helper->start(QCoreApplication::applicationDirPath() + QStringLiteral("/host_import_helper"),
                  QStringList{winPath(QStringLiteral("suite"))} + extra);
}

std::string treeDifference(const FolderTree &expected, const FolderTree &actual)
{
    std::string text;
    for (auto entry = expected.begin(); entry != expected.end(); ++entry) {
        if (!actual.contains(entry.key()))
            text += "missing " + entry.key().toStdString() + '\n';
        else if (actual.value(entry.key()) != entry.value())
            text += "changed " + entry.key().toStdString() + '\n';
    }
    for (auto entry = actual.begin(); entry != actual.end(); ++entry) {
        if (!expected.contains(entry.key()))
            text += "added " + entry.key().toStdString() + '\n';
    }
    return text;
}
