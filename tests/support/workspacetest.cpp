#include "workspacetest.h"

#include "programrun.h"

#include "platform/winpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void WorkspaceTest::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    m_savedTmp = qgetenv("TMP");
    m_savedTemp = qgetenv("TEMP");
    win::mapDrive(QLatin1Char('D'), m_root.path());
    makeFolder(QStringLiteral("temp"));
    qputenv("TMP", QFile::encodeName(tempHostPath()));
}

void WorkspaceTest::TearDown()
{
    qputenv("TMP", m_savedTmp);
    qputenv("TEMP", m_savedTemp);
    win::resetDrives();
}

QString WorkspaceTest::winPath(const QString &relative) const
{
    QString path = QStringLiteral("D:\\") + relative;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

QString WorkspaceTest::hostPath(const QString &relative) const
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return relative.isEmpty() ? m_root.path() : m_root.filePath(path);
}

QString WorkspaceTest::tempHostPath(const QString &relative) const
{
    return hostPath(relative.isEmpty() ? QStringLiteral("temp")
                                       : QStringLiteral("temp/") + relative);
}

QString WorkspaceTest::tempWinPath() const
{
    return winPath(QStringLiteral("temp\\"));
}

void WorkspaceTest::makeFolder(const QString &relative) const
{
    ASSERT_TRUE(QDir().mkpath(hostPath(relative))) << relative.toStdString();
}

void WorkspaceTest::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString path = hostPath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray WorkspaceTest::readFile(const QString &relative) const
{
    return readHostFile(hostPath(relative));
}

QByteArray WorkspaceTest::readHostFile(const QString &hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray WorkspaceTest::testData(const QString &relative)
{
    return readHostFile(QStringLiteral(TESSERA_TEST_DATA "/") + relative);
}

QProcessEnvironment WorkspaceTest::programEnvironment(const QString &script,
                                                      const QString &log) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESSERA_DRIVES"), QStringLiteral("D=") + hostPath());
    environment.insert(QStringLiteral("TMP"), tempWinPath());
    environment.remove(QStringLiteral("TESSERA_UI_SCRIPT"));
    environment.remove(QStringLiteral("TESSERA_UI_LOG"));
    if (!script.isEmpty())
        environment.insert(QStringLiteral("TESSERA_UI_SCRIPT"), hostPath(script));
    if (!log.isEmpty())
        environment.insert(QStringLiteral("TESSERA_UI_LOG"), hostPath(log));
    return environment;
}

int WorkspaceTest::runScripted(const QString &programPath, const QStringList &arguments,
                               const QByteArray &script, QByteArray *output) const
{
    writeFile(QStringLiteral("run.script"), script);
    return runProgram(programPath, arguments,
                      programEnvironment(QStringLiteral("run.script"), QStringLiteral("ui.log")),
                      output);
}

QString WorkspaceTest::copyProgramFolder(const QString &relative, const QStringList &programs,
                                         const QStringList &leftOut) const
{
    makeFolder(relative);
    const QDir source(QStringLiteral(TESSERA_PROGRAM_DIR));
    QStringList files = source.entryList({QStringLiteral("lib*.so*")}, QDir::Files);
    for (const QString &file : leftOut)
        files.removeAll(file);
    files.append(programs);
    for (const QString &file : std::as_const(files)) {
        EXPECT_TRUE(QFile::copy(source.filePath(file), hostPath(relative + QLatin1Char('/') + file)))
            << file.toStdString();
    }
    return hostPath(relative);
}

QByteArray utf16le(const QString &text, bool withBom)
{
    QByteArray bytes;
    if (withBom)
        bytes.append("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

void PrintTo(const QString &text, std::ostream *stream)
{
    *stream << '"' << text.toStdString() << '"';
}
