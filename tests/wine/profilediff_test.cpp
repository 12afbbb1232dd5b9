#include "platform/codepage.h"
#include "platform/profile.h"

#include "programrun.h"
#include "workspacetest.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <vector>

using namespace win;

// Our profile layer against Windows' answers, as a probe run under Wine
// gives them, on the same files and the same calls in the same order.
// Writes are compared by what reads give afterwards, not by the bytes:
// Wine's writer rewrites the whole file (blank lines go), where Windows and
// we change only the lines concerned, which the platform tests check byte
// for byte.

namespace {

struct Call
{
    char op;             // 'R' string, 'I' integer, 'W' write
    const char *section;
    const char *key;
    const char *text;    // the default, or the value written
    int size = 0;        // buffer size of a string read
};

struct Case
{
    const char *name;
    QByteArray bytes;
    std::vector<Call> calls;
};

QByteArray ansi(const char *utf8)
{
    return toAnsi(QString::fromUtf8(utf8));
}

std::vector<Case> corpus()
{
    return {
        {"read.ini",
         ansi("; 共有本棚\r\n[COMMON]\r\n  DataDir =  \"D:\\工事\\写真\"  \r\nbksname='本棚 1'\r\n"
              "inner=\"a\"b\"\r\nhalf=\"abc\r\nempty=\r\nNoEquals\r\n;c=1\r\ndup=first\r\n"
              "DUP=second\r\n[common]\r\nlater=x\r\n[ Sp ]\r\nk=sp\r\n[\tTab  ]\r\nt=1\r\n"),
         {{'R', "COMMON", "DataDir", "DEF", 260}, {'R', " common ", "DATADIR", "DEF", 260},
          {'R', "COMMON", "DataDir", "DEF", 5}, {'R', "COMMON", "DataDir", "DEF", 2},
          {'R', "COMMON", "DataDir", "DEF", 1}, {'R', "COMMON", "bksname", "DEF", 260},
          {'R', "COMMON", "bksname", "DEF", 3}, {'R', "COMMON", "inner", "DEF", 260},
          {'R', "COMMON", "half", "DEF", 260}, {'R', "COMMON", "empty", "DEF", 260},
          {'R', "COMMON", "NoEquals", "DEF", 260}, {'R', "COMMON", ";c", "DEF", 260},
          {'R', "COMMON", "c", "DEF", 260}, {'R', "COMMON", "dup", "DEF", 260},
          {'R', "COMMON", "later", "DEF", 260}, {'R', "Sp", "k", "DEF", 260},
          {'R', "Tab", "t", "DEF", 260}, {'R', "NONE", "x", "default  ", 260},
          {'R', "NONE", "x", "default", 4}}},
        {"edges.ini",
         QByteArray("[Sec] after\r\na b = 1\r\n\tt\t=\tv\tw\t\r\n=empty name\r\n[Unclosed\r\nu=2\r\n"
                    "[a]b]\r\nc=3\r\n[]\r\nn=4\r\n"),
         {{'R', "Sec", "a b", "DEF", 260}, {'R', "Sec", "t", "DEF", 260}, {'R', "Sec", "u", "DEF", 260},
          {'R', "Unclosed", "u", "DEF", 260}, {'R', "a]b", "c", "DEF", 260}, {'R', "a", "c", "DEF", 260}}},
        {"lineends.ini", QByteArray("[A]\nk=1\rj=2\r\n[B]\r\r\nx= 3 \n\ny=4"),
         {{'R', "A", "k", "DEF", 260}, {'R', "A", "j", "DEF", 260}, {'R', "B", "x", "DEF", 260},
          {'R', "B", "y", "DEF", 260}}},
        {"utf16.ini", utf16le(QStringLiteral("[写真]\r\n名前=工事 写真\r\nq=\"引用\"\r\n")),
         {{'R', "写真", "名前", "DEF", 260}, {'R', "写真", "q", "DEF", 260}, {'R', "写真", "名前", "DEF", 3}}},
        {"numbers.ini",
         QByteArray("[N]\r\nneg=-5\r\nlead=12abc\r\nword=abc\r\nhex=0x1A\r\nplus= +7\r\n"
                    "empty=\r\nquoted=\"42\"\r\nwrap=4294967295\r\nbin=0b101\r\noct=0o17\r\nupper=0X1A\r\n"),
         {{'I', "N", "neg", "99"}, {'I', "N", "lead", "99"}, {'I', "N", "word", "99"},
          {'I', "N", "hex", "99"}, {'I', "N", "plus", "99"}, {'I', "N", "empty", "99"},
          {'I', "N", "quoted", "99"}, {'I', "N", "wrap", "99"}, {'I', "N", "missing", "99"}, {'I', "N", "bin", "99"},
          {'I', "N", "oct", "99"}, {'I', "N", "upper", "99"}}},
        {"write.ini", ansi("[ Sec ]\r\n;k=1\r\na=1\r\n\r\n[B]\r\nx=1\r\n"),
         {{'W', "Sec", ";k", "two"}, {'W', "Sec", "k", "新しい"}, {'W', "B", "y", "2"},
          {'W', "New", "z", "3"}, {'W', "b", "X", "changed"}, {'R', "Sec", ";k", "DEF", 260},
          {'R', "Sec", "k", "DEF", 260}, {'R', "Sec", "a", "DEF", 260}, {'R', "B", "x", "DEF", 260},
          {'R', "B", "y", "DEF", 260}, {'R', "New", "z", "DEF", 260}}},
        {"created.ini", QByteArray(),
         {{'W', "S", "k", "値"}, {'R', "S", "k", "DEF", 260}}},
    };
}

QString wineHostForm(const QString &hostPath)
{
    return QStringLiteral("Z:") + QDir::toNativeSeparators(hostPath).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString ourAnswer(const Call &call, const QString &file)
{
    const QString section = QString::fromUtf8(call.section);
    const QString key = QString::fromUtf8(call.key);
    const QString text = QString::fromUtf8(call.text);
    switch (call.op) {
    case 'R':
        return getPrivateProfileString(section, key, text, call.size, file);
    case 'I':
        return QString::number(getPrivateProfileInt(section, key, text.toInt(), file));
    default:
        return writePrivateProfileString(section, key, text, file) ? QStringLiteral("1") : QStringLiteral("0");
    }
}

QString commandLine(const Call &call, const QString &file)
{
    QStringList fields{QString(QLatin1Char(call.op)), QString::fromUtf8(call.section),
                       QString::fromUtf8(call.key), QString::fromUtf8(call.text)};
    if (call.op == 'R')
        fields.append(QString::number(call.size));
    fields.append(file);
    return fields.join(QLatin1Char('\t'));
}

class ProfileWineDiffTest : public WorkspaceTest
{
};

} // namespace

TEST_F(ProfileWineDiffTest, AnswersAsWindowsDoes)
{
    const std::vector<Case> cases = corpus();
    makeFolder(QStringLiteral("wine"));
    makeFolder(QStringLiteral("ours"));
    QStringList commands;
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        if (!c.bytes.isNull()) {
            writeFile(QStringLiteral("wine/") + name, c.bytes);
            writeFile(QStringLiteral("ours/") + name, c.bytes);
        }
        for (const Call &call : c.calls)
            commands.append(commandLine(call, wineHostForm(hostPath(QStringLiteral("wine/") + name))));
    }
    writeFile(QStringLiteral("commands"), utf16le(commands.join(QLatin1Char('\n')), false));

    QProcess probe;
    probe.start(QString::fromLocal8Bit(qgetenv("TESSERA_WINE")),
                {QString::fromLocal8Bit(qgetenv("TESSERA_WINE_PROBE")),
                 wineHostForm(hostPath(QStringLiteral("commands"))), wineHostForm(hostPath(QStringLiteral("answers")))});
    ASSERT_TRUE(probe.waitForFinished(120000)) << "Wine did not finish";
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    const QByteArray answerBytes = readFile(QStringLiteral("answers"));
    const QStringList windows =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(answerBytes.constData()), answerBytes.size() / 2)
            .split(QLatin1Char('\n'));
    ASSERT_EQ(windows.size(), commands.size() + 1) << "one answer a call, each ending its line";

    qsizetype index = 0;
    for (const Case &c : cases) {
        const QString file = winPath(QStringLiteral("ours/") + QString::fromLatin1(c.name));
        for (const Call &call : c.calls) {
            SCOPED_TRACE(commandLine(call, QString::fromLatin1(c.name)).toStdString());
            ASSERT_LT(index, windows.size());
            EXPECT_EQ(ourAnswer(call, file), windows.at(index++));
        }
    }
}
