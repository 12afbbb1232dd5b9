#include "deliverygenerator.h"

#include "officialdtds.h"
#include "samplefiles.h"
#include "samplejpeg.h"
#include "samplephotoplanner.h"
#include "samplexmlwriter.h"

#include <QDir>

namespace {

const QDate FirstDay(2024, 4, 1);
const QDate LastDay(2025, 3, 31);
constexpr char16_t MakerTag[] = u"TesseraOrbis 13.0 見本データ";

quint64 seedOf(const DeliveryOptions &options)
{
    return quint64(options.photos) * 1000003ULL + quint64(options.standard) + 1;
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString hostPath(const QString &folder, const QString &relative)
{
    return QDir(folder).filePath(relative);
}

} // namespace

DeliveryGenerator::DeliveryGenerator(const DeliveryOptions &options)
    : m_options(options)
    , m_profile(SampleProfile::of(options.standard))
{
}

bool DeliveryGenerator::generate(const QString &folder)
{
    m_errorText.clear();
    m_drawings = 0;
    if (SampleJpeg::bytes().isEmpty()) {
        m_errorText = QStringLiteral("Qt cannot write JPEG images");
        return false;
    }
    if (!samplefiles::prepareEmptyFolder(folder, &m_errorText)
        || !samplefiles::makeFolder(hostPath(folder, QStringLiteral("PHOTO/PIC")), &m_errorText)
        || !samplefiles::makeFolder(hostPath(folder, QStringLiteral("PHOTO/DRA")), &m_errorText)) {
        return false;
    }
    return writePhotos(folder)
        && writeText(hostPath(folder, QStringLiteral("PHOTO/") + m_profile.photoDtdFile),
                     QString::fromUtf16(m_profile.photoDtdText))
        && samplefiles::writeFile(hostPath(folder, QString::fromUtf16(IndexFile)), indexXml(),
                                  &m_errorText)
        && writeText(hostPath(folder, QString::fromUtf16(IndexDtdFile)),
                     QString::fromUtf16(officialdtds::IndexC04));
}

QByteArray DeliveryGenerator::indexXml() const
{
    SampleXmlWriter xml(m_options.encoding, QStringLiteral("constdata"),
                        QString::fromUtf16(IndexDtdFile), QStringLiteral("04"));
    xml.open(QStringLiteral("基礎情報"));
    xml.element(QStringLiteral("メディア番号"), QStringLiteral("1"));
    xml.element(QStringLiteral("メディア総枚数"), QStringLiteral("1"));
    xml.element(QStringLiteral("適用要領基準"), m_profile.indexCriterion);
    xml.element(QStringLiteral("写真フォルダ名"), QStringLiteral("PHOTO"));
    xml.close();

    xml.open(QStringLiteral("工事件名等"));
    xml.element(QStringLiteral("発注年度"), QString::number(FirstDay.year()));
    xml.element(QStringLiteral("工事番号"), m_profile.ordererCode + QStringLiteral("0001"));
    xml.element(QStringLiteral("工事名称"), m_profile.constructionName);
    xml.element(QStringLiteral("工事実績システムバージョン番号"), QStringLiteral("5.0"));
    xml.element(QStringLiteral("工事実績システム登録番号"), QStringLiteral("4012345678"));
    xml.element(QStringLiteral("工事分野"), m_profile.field);
    xml.element(QStringLiteral("工事業種"), m_profile.trade);
    xml.open(QStringLiteral("工種-工法型式"));
    xml.element(QStringLiteral("工種"), QStringLiteral("土工"));
    xml.element(QStringLiteral("工法型式"), QStringLiteral("掘削工"));
    xml.close();
    xml.open(QStringLiteral("工種-工法型式"));
    xml.element(QStringLiteral("工種"), QStringLiteral("擁壁工"));
    xml.element(QStringLiteral("工法型式"), QStringLiteral("プレキャスト擁壁工"));
    xml.close();
    xml.open(QStringLiteral("住所情報"));
    xml.element(QStringLiteral("住所コード"), m_profile.addressCode);
    xml.element(QStringLiteral("住所"), m_profile.address);
    xml.close();
    xml.element(QStringLiteral("工期開始日"), dateText(FirstDay));
    xml.element(QStringLiteral("工期終了日"), dateText(LastDay));
    xml.element(
        QStringLiteral("工事内容"),
        QStringLiteral("本工事は、%1において、土工、擁壁工、排水構造物工、舗装工及び付帯工を"
                       "施工するものである。施工にあたっては、周辺住民及び通行車両の安全確保に"
                       "努め、品質及び出来形を適切に管理し、電子納品要領に従い"
                       "工事写真を整理して納品する。")
            .arg(m_profile.address));
    xml.close();

    xml.open(QStringLiteral("場所情報"));
    xml.element(QStringLiteral("測地系"), QStringLiteral("01"));
    xml.open(QStringLiteral("水系-路線情報"));
    xml.element(QStringLiteral("対象水系路線名"), m_profile.routeName);
    xml.close();
    xml.open(QStringLiteral("境界座標情報"));
    xml.element(QStringLiteral("西側境界座標経度"), QStringLiteral("1394500"));
    xml.element(QStringLiteral("東側境界座標経度"), QStringLiteral("1394630"));
    xml.element(QStringLiteral("北側境界座標緯度"), QStringLiteral("0354700"));
    xml.element(QStringLiteral("南側境界座標緯度"), QStringLiteral("0354610"));
    xml.close();
    xml.close();

    xml.open(QStringLiteral("発注者情報"));
    xml.element(QStringLiteral("発注者-大分類"), m_profile.ordererMajor);
    xml.element(QStringLiteral("発注者-中分類"), m_profile.ordererMiddle);
    xml.element(QStringLiteral("発注者-小分類"), m_profile.ordererMinor);
    xml.element(QStringLiteral("発注者コード"), m_profile.ordererCode);
    xml.close();

    xml.open(QStringLiteral("請負者情報"));
    xml.element(QStringLiteral("請負者名"), QStringLiteral("株式会社テッセラ建設"));
    xml.element(QStringLiteral("請負者コード"), QStringLiteral("00012345"));
    xml.close();
    xml.element(QStringLiteral("ソフトメーカ用TAG"), QString::fromUtf16(MakerTag));
    return xml.finish();
}

bool DeliveryGenerator::writePhotos(const QString &folder)
{
    SampleXmlWriter xml(m_options.encoding, QStringLiteral("photodata"), m_profile.photoDtdFile,
                        m_profile.photoDtdVersion);
    xml.open(QStringLiteral("基礎情報"));
    xml.element(QStringLiteral("写真フォルダ名"), m_profile.photoFolder);
    xml.element(QStringLiteral("参考図フォルダ名"), m_profile.drawingFolder);
    xml.element(QStringLiteral("適用要領基準"), m_profile.photoCriterion);
    xml.close();

    const QByteArray jpeg = SampleJpeg::bytes();
    SamplePhotoPlanner planner(seedOf(m_options), FirstDay);
    for (int i = 0; i < m_options.photos; ++i) {
        const SamplePhoto photo = planner.next();
        writePhoto(xml, photo);
        if (!samplefiles::writeFile(hostPath(folder, QStringLiteral("PHOTO/PIC/") + photo.fileName),
                                    jpeg, &m_errorText))
            return false;
        for (const SamplePhoto::Drawing &drawing : photo.drawings) {
            ++m_drawings;
            if (!samplefiles::writeFile(
                    hostPath(folder, QStringLiteral("PHOTO/DRA/") + drawing.fileName), jpeg,
                    &m_errorText))
                return false;
        }
    }
    xml.element(QStringLiteral("ソフトメーカ用TAG"), QString::fromUtf16(MakerTag));
    return samplefiles::writeFile(hostPath(folder, QStringLiteral("PHOTO/PHOTO.XML")), xml.finish(),
                                  &m_errorText);
}

void DeliveryGenerator::writePhoto(SampleXmlWriter &xml, const SamplePhoto &photo) const
{
    xml.open(QStringLiteral("写真情報"));
    xml.open(QStringLiteral("写真ファイル情報"));
    xml.element(QStringLiteral("シリアル番号"), QString::number(photo.serial));
    xml.element(QStringLiteral("写真ファイル名"), photo.fileName);
    if (m_profile.japaneseNames)
        xml.element(QStringLiteral("写真ファイル日本語名"), photo.japaneseName);
    xml.element(QStringLiteral("メディア番号"), QStringLiteral("1"));
    xml.close();

    xml.open(QStringLiteral("撮影工種区分"));
    xml.element(QStringLiteral("写真-大分類"), photo.majorClass);
    const std::pair<QString, QString> levels[] = {
        {QStringLiteral("写真区分"), photo.category},
        {QStringLiteral("工種"), photo.workType},
        {QStringLiteral("種別"), photo.kind},
        {QStringLiteral("細別"), photo.subKind},
    };
    for (const auto &[name, value] : levels) {
        if (!value.isEmpty())
            xml.element(name, value);
    }
    xml.element(QStringLiteral("写真タイトル"), photo.title);
    xml.close();

    for (const SamplePhoto::Drawing &drawing : photo.drawings) {
        xml.open(QStringLiteral("付加情報"));
        xml.element(QStringLiteral("参考図ファイル名"), drawing.fileName);
        if (m_profile.japaneseNames)
            xml.element(QStringLiteral("参考図ファイル日本語名"), drawing.japaneseName);
        xml.element(QStringLiteral("参考図タイトル"), drawing.title);
        xml.close();
    }

    xml.open(QStringLiteral("撮影情報"));
    xml.element(QStringLiteral("撮影箇所"), photo.place);
    xml.element(QStringLiteral("撮影年月日"), dateText(photo.date));
    xml.close();
    if (m_profile.photoMarks) {
        xml.element(QStringLiteral("代表写真"),
                    photo.representative ? QStringLiteral("1") : QStringLiteral("0"));
        xml.element(QStringLiteral("提出頻度写真"),
                    photo.frequency ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (!photo.managementValue.isEmpty())
        xml.element(QStringLiteral("施工管理値"), photo.managementValue);
    xml.close();
}

bool DeliveryGenerator::writeText(const QString &path, const QString &text)
{
    QString lines = text;
    lines.replace(u'\n', QStringLiteral("\r\n"));
    return samplefiles::writeFile(path, SampleXmlWriter::encode(lines, m_options.encoding),
                                  &m_errorText);
}
