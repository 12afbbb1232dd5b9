#include "cdialog2.h"

#include "exportsettings.h"
#include "standardcodes.h"
#include "suitefunctions.h"
#include "writerids.h"

#include "ui/reportlist.h"
#include "ui/wizardsheet.h"
#include "wizardtest.h"

#include <QDir>
#include <QPushButton>

#include <optional>

namespace {

namespace ids = writer::ids::basicinfo;

// What the page handed to DNInfMake, and what the stand-in answers.
struct InfMakeCall
{
    QString koujiFolder;
    int standardCode = 0;
    int reserved = -1;
    QString arg6;
    QString arg7;
    int arg4 = 0;
    std::optional<QString> calsDatabase;
    QString arg9;
    int japaneseNames = -1;
};

struct InfMakeStandIn
{
    QList<InfMakeCall> calls;
    int result = 1;
    // GXTemp as the stand-in writes it (host path), its lines.
    QString gxTempHost;
    QStringList lines;
};

InfMakeStandIn &standIn()
{
    static InfMakeStandIn state;
    return state;
}

QString text(const char16_t *buffer)
{
    return buffer ? QString::fromUtf16(buffer) : QString();
}

int fakeDnInfMake(const char16_t *koujiFolder, int standardCode, int reserved, const char16_t *arg6,
                  const char16_t *arg7, int arg4, char16_t *tekiyou, const char16_t *cals,
                  const char16_t *arg9, int japaneseNames, char16_t *otherDataFlag)
{
    InfMakeStandIn &state = standIn();
    InfMakeCall call{text(koujiFolder), standardCode, reserved, text(arg6), text(arg7), arg4,
                     cals ? std::optional<QString>(text(cals)) : std::nullopt, text(arg9),
                     japaneseNames};
    state.calls.append(call);
    if (state.result == 0)
        return 0;
    std::u16string applicable = u"適用要領";
    std::copy(applicable.begin(), applicable.end(), tekiyou);
    tekiyou[applicable.size()] = u'\0';
    std::copy_n(u"10100", 6, otherDataFlag);
    QFile file(state.gxTempHost);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(utf16le(state.lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return state.result;
}

const QString Wide = QString(30, QChar(u'あ'));  // the widest value: N = 30

class CDialog2Test : public WizardTest
{
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        standIn() = InfMakeStandIn();
        standIn().gxTempHost = tempHostPath(QStringLiteral("GXTemp"));
        m_suite.worksdata.dnInfMake = fakeDnInfMake;
    }

    void start()
    {
        m_settings.m_strKoujiFolder = QStringLiteral("D:\\shelf");
        m_settings.m_nStandardCode = 18;
        m_settings.m_strArg6 = QString(300, QLatin1Char('6'));
        m_settings.m_strArg7 = QStringLiteral("七");
        m_settings.m_nArg4 = 4;
        m_settings.m_strCalsFolder = QStringLiteral("D:\\cals");
        m_settings.m_strArg9 = QStringLiteral("九");
        auto *sheet = new ui::WizardSheet;
        sheet->addPage(new StandInPage(standards::SimpleOptionsPage));
        sheet->addPage(new writer::CDialog2(m_settings, m_suite.worksdata));
        sheet->addPage(new StandInPage(writer::ids::photoinfo::Template));
        startWizard(sheet);
        next();
    }

    ui::ReportList *list() const { return static_cast<ui::ReportList *>(control(ids::InfoList)); }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < list()->itemCount(); ++row)
            texts.append(list()->itemText(row, 0) + QLatin1Char('|') + list()->itemText(row, 1));
        return texts;
    }

    QColor background(int row, int column) const
    {
        return list()->model()->index(row, column).data(Qt::BackgroundRole).value<QColor>();
    }

    writer::ExportSettings m_settings;
    writer::SuiteFunctions m_suite;
};

TEST_F(CDialog2Test, MarkersColoursAndContinuationRows)
{
    const QString threeNPlusOne = QString(91, QLatin1Char('x'));
    const QString twoN = QString(60, QLatin1Char('y'));
    standIn().lines = {
        QStringLiteral("適用要領基準 ") + Wide,
        QStringLiteral("  発注者名 --**B004**--未入力"),
        QStringLiteral("  写真管理 ABC200504-01--**KJJH**--"),
        QStringLiteral("  ラベルのみ"),
        QStringLiteral("  工事名称 --**B001**--変換される名"),
        QStringLiteral("--**B005**--隠れた項目 値"),
        QStringLiteral("出力形式 XML"),
        QStringLiteral("  長い値 ") + threeNPlusOne,
        QStringLiteral("  二倍 ") + twoN,
    };
    start();
    ASSERT_EQ(currentPage(), ids::Template);
    const QString x30(30, QLatin1Char('x'));
    const QString y30(30, QLatin1Char('y'));
    const QStringList expected = {
        QStringLiteral("適用要領基準|") + Wide,
        QStringLiteral("  発注者名|"),
        QStringLiteral("  写真管理|ABC200504-01"),
        QStringLiteral("  ラベルのみ|"),
        QStringLiteral("  工事名称|変換される名"),
        QStringLiteral("|値"),
        QStringLiteral("出力形式|XML"),
        QStringLiteral("  長い値|") + x30,
        QStringLiteral("|") + x30,
        QStringLiteral("|") + x30,
        QStringLiteral("|x"),
        QStringLiteral("  二倍|") + y30,
        QStringLiteral("|") + y30,
    };
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(m_settings.m_strRowColors, QStringLiteral("0,4,0,0,1,0,0,0,0,0,0,0,0,"));
    EXPECT_EQ(background(1, 0), QColor(255, 0, 0));
    EXPECT_EQ(background(1, 1), QColor(255, 255, 255));
    EXPECT_EQ(background(4, 0), QColor(0, 255, 64));
    EXPECT_FALSE(background(0, 0).isValid());
    EXPECT_EQ(list()->columnHeading(1), Wide);

    // The save button sits on the wizard beside Cancel and goes on Next.
    auto *save = qobject_cast<QPushButton *>(control(ids::SaveButton));
    ASSERT_NE(save, nullptr);
    const QPushButton *cancel = sheet().button(ui::WizardSheet::CancelButton);
    EXPECT_EQ(save->text(), QStringLiteral("表示情報を保存する"));
    EXPECT_EQ(save->geometry(),
              QRect(30, cancel->y(), cancel->width() + 50, cancel->height()));
    next();
    EXPECT_EQ(sheet().findControl(ids::SaveButton), nullptr);
}

TEST_F(CDialog2Test, ArgumentsAndRebuildAfterBack)
{
    standIn().lines = {QStringLiteral("基準 短い値"), QStringLiteral("出力形式 XML")};
    start();
    ASSERT_EQ(standIn().calls.size(), 1);
    const InfMakeCall first = standIn().calls.at(0);
    EXPECT_EQ(first.koujiFolder, QStringLiteral("D:\\shelf"));
    EXPECT_EQ(first.standardCode, 18);
    EXPECT_EQ(first.reserved, 0);
    EXPECT_EQ(first.arg6, QString(259, QLatin1Char('6')));
    EXPECT_EQ(first.arg7, QStringLiteral("七"));
    EXPECT_EQ(first.arg4, 4);
    EXPECT_EQ(first.calsDatabase, std::nullopt);
    EXPECT_EQ(first.arg9, QStringLiteral("九"));
    EXPECT_EQ(first.japaneseNames, 0);
    EXPECT_EQ(m_settings.m_szTekiyou, QStringLiteral("適用要領"));
    EXPECT_EQ(m_settings.m_szOthrsDataCreateFlag, QStringLiteral("10100"));
    EXPECT_EQ(list()->columnHeading(1), QStringLiteral("短い値"));

    back();
    EXPECT_EQ(sheet().findControl(ids::SaveButton), nullptr);
    m_settings.m_nJapaneseNames = 1;
    m_settings.m_nOtherData = 1;
    standIn().lines = {QStringLiteral("基準 日本語名のある長い値"), QStringLiteral("出力形式 XML")};
    next();
    ASSERT_EQ(standIn().calls.size(), 2);
    EXPECT_EQ(standIn().calls.at(1).japaneseNames, 1);
    EXPECT_EQ(standIn().calls.at(1).calsDatabase, QStringLiteral("D:\\cals\\CALS.mdb"));
    EXPECT_EQ(list()->columnHeading(1), QStringLiteral("日本語名のある長い値"));
}

TEST_F(CDialog2Test, FailuresKeepTheUserInformed)
{
    standIn().lines = {QStringLiteral("基準 値")};
    start();
    ASSERT_EQ(rows(), QStringList{QStringLiteral("基準|値")});
    takeMessages();

    // DNInfMake fails: Back only, the old rows stay, no save button.
    back();
    standIn().result = 0;
    next();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("基礎情報／工事情報の読み込みに失敗しました。")});
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("基準|値")});
    EXPECT_EQ(sheet().findControl(ids::SaveButton), nullptr);

    // GXTemp cannot be opened: an empty list, both buttons, no save button.
    back();
    standIn().result = 1;
    standIn().gxTempHost = hostPath(QStringLiteral("elsewhere/GXTemp"));
    QFile::remove(tempHostPath(QStringLiteral("GXTemp")));
    next();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("ファイル(D:\\temp\\GXTemp)のオープンに失敗しました。")});
    EXPECT_EQ(sheet().wizardButtons(), ui::WizardSheet::Back | ui::WizardSheet::Next);
    EXPECT_EQ(list()->itemCount(), 0);
    EXPECT_EQ(sheet().findControl(ids::SaveButton), nullptr);
}

TEST_F(CDialog2Test, SavedTextHasNoMarkers)
{
    makeFolder(QStringLiteral("home/Desktop"));
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(hostPath(QStringLiteral("home"))));
    standIn().lines = {QStringLiteral("基準 --**B004**--全文"), QStringLiteral("識別 ID--**KJJH**--後"),
                       QStringLiteral("出力形式 XML")};
    start();

    struct SaveCase
    {
        bool gxTempPresent;
        QByteArray expected;
    };
    const SaveCase cases[] = {
        {true, utf16le(QStringLiteral("基準 全文\r\n識別 ID後\r\n出力形式 XML\r\n"))},
        {false, utf16le(QString())},
    };
    for (const SaveCase &c : cases) {
        SCOPED_TRACE(c.gxTempPresent ? "GXTemp present" : "GXTemp vanished");
        if (!c.gxTempPresent)
            QFile::remove(tempHostPath(QStringLiteral("GXTemp")));
        writeFile(QStringLiteral("saved.txt"), QByteArray("old content that must go"));
        m_answerer.queueSaveFile(QStringLiteral("D:\\saved.txt"));
        click(ids::SaveButton);
        ASSERT_FALSE(m_answerer.saveFiles().isEmpty());
        const ui::SaveFileRequest request = m_answerer.saveFiles().constLast();
        EXPECT_EQ(request.title, QStringLiteral("保存先ファイルを指定"));
        EXPECT_EQ(request.initialFolder, QStringLiteral("D:\\home\\Desktop"));
        EXPECT_EQ(request.fileName, QStringLiteral("電子納品データ出力.txt"));
        EXPECT_EQ(request.filters, QStringList({QStringLiteral("テキスト文書(*.txt)"),
                                                QStringLiteral("すべてのファイル(*.*)")}));
        EXPECT_EQ(request.defaultExtension, QStringLiteral("txt"));
        EXPECT_EQ(readFile(QStringLiteral("saved.txt")), c.expected);
    }
    qputenv("HOME", savedHome);
}

} // namespace
