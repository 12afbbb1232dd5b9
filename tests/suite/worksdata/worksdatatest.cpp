#include "worksdatatest.h"

#include "deliverygenerator.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaoexception.h"
#include "jetdao/cdaorecordset.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <dlfcn.h>

const WorksdataLibrary &WorksdataLibrary::instance()
{
    static const WorksdataLibrary library = [] {
        WorksdataLibrary loaded;
        void *handle = dlopen(TESSERA_PROGRAM_DIR "/libworksdata.so", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return loaded;
        loaded.DNXmlRead = reinterpret_cast<DNXmlReadFunction *>(dlsym(handle, "DNXmlRead"));
        loaded.CheckPhotoFolder =
            reinterpret_cast<CheckPhotoFolderFunction *>(dlsym(handle, "CheckPhotoFolder"));
        loaded.GetPlanFlag = reinterpret_cast<GetPlanFlagFunction *>(dlsym(handle, "GetPlanFlag"));
        return loaded;
    }();
    EXPECT_TRUE(library.DNXmlRead && library.CheckPhotoFolder && library.GetPlanFlag) << dlerror();
    return library;
}

int WorksdataLibrary::dnXmlRead(const QString &root, int planFlag) const
{
    return DNXmlRead ? DNXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), planFlag) : -1;
}

int WorksdataLibrary::checkPhotoFolder(const QString &folder) const
{
    return CheckPhotoFolder ? CheckPhotoFolder(reinterpret_cast<const char16_t *>(folder.utf16()))
                            : -1;
}

int WorksdataLibrary::getPlanFlag(const QString &folder, QString *buffer) const
{
    if (!GetPlanFlag)
        return -1;
    char16_t text[260];
    std::fill(std::begin(text), std::end(text), u'#');
    const int flag = GetPlanFlag(reinterpret_cast<const char16_t *>(folder.utf16()), text);
    if (buffer)
        *buffer = QString::fromUtf16(text);
    return flag;
}

QString WorksdataTest::generateDelivery(const QString &relative,
                                        const DeliveryOptions &options) const
{
    DeliveryGenerator generator(options);
    EXPECT_TRUE(generator.generate(hostPath(relative))) << generator.errorText().toStdString();
    return winPath(relative);
}

QString WorksdataTest::copyTestDelivery(const QString &name) const
{
    const QString source = QStringLiteral(TESSERA_TEST_DATA "/worksdata/") + name;
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        writeFile(name + file.mid(source.size()), readHostFile(file));
    }
    return winPath(name);
}

QString WorksdataTest::gxtempHostPath() const
{
    return tempHostPath(QStringLiteral("GXTemp"));
}

QString WorksdataTest::databaseHostPath() const
{
    return tempHostPath(QStringLiteral("G_PHOTO.mdb"));
}

QStringList WorksdataTest::gxtempLines() const
{
    const QByteArray bytes = readHostFile(gxtempHostPath());
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                      (bytes.size() - 2) / 2);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    lines.removeLast();
    return lines;
}

QStringList WorksdataTest::strayTempFiles() const
{
    QStringList names = QDir(tempHostPath()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QStringLiteral("GXTemp"));
    names.removeAll(QStringLiteral("G_PHOTO.mdb"));
    return names;
}

long WorksdataTest::rowCount(const QString &table) const
{
    return long(rows(QStringLiteral("select * from ") + table, {}).size());
}

QList<QVariantMap> WorksdataTest::rows(const QString &sql, const QStringList &columns) const
{
    QList<QVariantMap> result;
    try {
        JETDAO::CDaoDatabase database;
        database.Open(tempWinPath() + QStringLiteral("G_PHOTO.mdb"), false, true);
        JETDAO::CDaoRecordset recordset(&database);
        recordset.Open(JETDAO::dbOpenDynaset, sql, JETDAO::dbReadOnly);
        for (; !recordset.IsEOF(); recordset.MoveNext()) {
            QVariantMap row;
            for (const QString &column : columns)
                row.insert(column, recordset.GetFieldValue(column));
            result.append(row);
        }
    } catch (const JETDAO::CDaoException &e) {
        ADD_FAILURE() << e.GetErrorMessage().toStdString();
    }
    return result;
}
