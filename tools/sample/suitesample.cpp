#include "suitesample.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"

#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/suitelayout.h"

#include <QDir>
#include <QFile>

namespace {

const QString CommonSection = QStringLiteral("COMMON");
const QString OtherInstallationId = QStringLiteral("ORBIS-7F3A-0002");

// A computer and how it is listed in a shared bookshelf's NetProf.dat.
struct Computer
{
    QString name;
    enum Listing { OwnGroup, OtherGroup, PlainUser } listing;
};

// Registered computers; keys are given with gaps, as the host application
// leaves them when computers come and go.
const QList<Computer> Computers = {
    {QStringLiteral("設計室PC"), Computer::OwnGroup},
    {QStringLiteral("GENBA-01"), Computer::OwnGroup},
    {QStringLiteral("工務課ノート"), Computer::OwnGroup},
    {QStringLiteral("事務所"), Computer::OtherGroup},
    {QStringLiteral("SITE-OFFICE-2"), Computer::OtherGroup},
    {QStringLiteral("KOUMU-PC"), Computer::PlainUser},
    {QStringLiteral("倉庫端末"), Computer::PlainUser},
};

class SampleWriter
{
public:
    explicit SampleWriter(QString *error)
        : m_error(error)
    {
    }

    bool ok() const { return m_ok; }

    void makeFolder(const QString &hostFolder)
    {
        if (m_ok && !QDir().mkpath(hostFolder))
            fail(QStringLiteral("cannot create %1").arg(hostFolder));
    }

    void writeValue(const QString &hostFile, const QString &section, const QString &key,
                    const QString &value)
    {
        if (m_ok
            && !win::writePrivateProfileString(section, key, value, windowsPath(hostFile)))
            fail(QStringLiteral("cannot write %1").arg(hostFile));
    }

    void writeText(const QString &hostFile, const QByteArray &bytes)
    {
        QFile file(hostFile);
        if (m_ok && (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()))
            fail(QStringLiteral("cannot write %1").arg(hostFile));
    }

    QString windowsPath(const QString &hostPath)
    {
        const QString path = win::toWindowsPath(QDir(hostPath).absolutePath());
        if (path.isEmpty())
            fail(QStringLiteral("no drive maps %1").arg(hostPath));
        return path;
    }

private:
    void fail(const QString &message)
    {
        m_ok = false;
        *m_error = message;
    }

    QString *m_error;
    bool m_ok = true;
};

QByteArray koujiXml(const QString &shelfName)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<kouji>\n"
                          "  <name>%1</name>\n"
                          "  <standardCode>1</standardCode>\n"
                          "</kouji>\n")
        .arg(shelfName)
        .toUtf8();
}

// Registered computers in USER (plain names) and the group sections, the
// using computers in the four usage sections: each section with gaps in its
// keys, one computer listed twice, and one plain USER name among the users.
void writeNetProf(SampleWriter &writer, const QString &file)
{
    const QString ownGroup = netprof::groupSection(SuiteSample::InstallationId);
    const QString otherGroup = netprof::groupSection(OtherInstallationId);
    writer.writeValue(file, netprof::VersionSection, netprof::VersionKey, QStringLiteral("13"));

    int ownKey = 0;
    int otherKey = 1;
    int userKey = 0;
    for (const Computer &computer : Computers) {
        switch (computer.listing) {
        case Computer::OwnGroup:
            writer.writeValue(file, ownGroup, QString::number(ownKey), netprof::EncodeName(computer.name));
            ownKey += 2;
            break;
        case Computer::OtherGroup:
            writer.writeValue(file, otherGroup, QString::number(otherKey),
                              netprof::EncodeName(computer.name));
            otherKey += 3;
            break;
        case Computer::PlainUser:
            writer.writeValue(file, QString(netprof::UserSection), QString::number(userKey),
                              computer.name);
            userKey += 2;
            break;
        }
    }
    writer.writeValue(file, netprof::SerialSection, QStringLiteral("0"), ownGroup);
    writer.writeValue(file, netprof::SerialSection, QStringLiteral("1"), otherGroup);

    const auto encoded = [](int computer) { return netprof::EncodeName(Computers.at(computer).name); };
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("0"), encoded(0));
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("2"), encoded(1));
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("3"), encoded(3));
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("5"), Computers.at(5).name);
    writer.writeValue(file, netprof::BackupSection, QStringLiteral("1"), encoded(4));
    writer.writeValue(file, netprof::LockSection, QStringLiteral("0"), encoded(1));
    // Another writer's upper-case digits.
    writer.writeValue(file, netprof::UsedAlbumSection, QStringLiteral("4"),
                      encoded(4).toUpper());
}

} // namespace

const QString SuiteSample::InstallationId = QStringLiteral("ORBIS-7F3A-0001");
const QString SuiteSample::RegistryFileName = QStringLiteral("registry.reg");

bool SuiteSample::write(QString *error) const
{
    SampleWriter writer(error);
    const QDir rootDir(root);
    writer.makeFolder(root);

    // activebks names the second bookshelf when there is one.
    const int active = shelves > 1 ? 1 : 0;
    writer.writeValue(rootDir.filePath(QStringLiteral("Profile.dat")), CommonSection,
                      QStringLiteral("activebks"), QString::number(active));

    for (int n = 0; n < shelves; ++n) {
        const QString profileFolder =
            rootDir.filePath(suitedata::profileFolderName(n));
        const QString dataFolder =
            rootDir.filePath(QStringLiteral("shelves/shelf%1").arg(n + 1, 2, 10, QLatin1Char('0')));
        const QString name = QStringLiteral("%1号 道路改良工事").arg(n + 1);
        writer.makeFolder(profileFolder);
        writer.makeFolder(dataFolder);
        const QString bksprof = QDir(profileFolder).filePath(QStringLiteral("BKSPROF.DAT"));
        writer.writeValue(bksprof, CommonSection, QStringLiteral("DataDir"),
                          writer.windowsPath(dataFolder));
        writer.writeValue(bksprof, CommonSection, QStringLiteral("bksname"), name);

        // The last of several bookshelves has lost its data.
        if (shelves > 1 && n == shelves - 1)
            continue;
        writer.writeText(QDir(dataFolder).filePath(QStringLiteral("kouji.xml")), koujiXml(name));
        if (shared)
            writeNetProf(writer, QDir(dataFolder).filePath(netprof::FileName));
    }

    // A profile folder after a gap in the numbers: the suite never reaches it.
    const QString strayFolder = rootDir.filePath(QStringLiteral("data%1").arg(shelves + 1));
    writer.makeFolder(strayFolder);
    writer.writeValue(QDir(strayFolder).filePath(QStringLiteral("BKSPROF.DAT")), CommonSection,
                      QStringLiteral("DataDir"),
                      writer.windowsPath(rootDir.filePath(QStringLiteral("shelves/stray"))));

    writer.writeText(rootDir.filePath(RegistryFileName),
                     QStringLiteral("REGEDIT4\r\n\r\n"
                                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0]\r\n"
                                    "\"InstallId\"=\"%1\"\r\n")
                         .arg(InstallationId)
                         .toUtf8());
    return writer.ok();
}
