#include "photoxmlreader.h"

#include "xmltext.h"
#include "xmlstream.h"

#include <QRegularExpression>

namespace {

// A serial number is a positive decimal that fits an int; the standards
// give it at most five digits.
constexpr std::size_t MaxSerialDigits = 9;

int parseSerial(const std::string &text)
{
    if (text.empty() || text.size() > MaxSerialDigits)
        return 0;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string versionFromSystemId(const std::string &systemId)
{
    static const QRegularExpression dtdName(QStringLiteral("PHOTO(\\d\\d[A-Z]*)\\.DTD$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = dtdName.match(QString::fromStdString(systemId));
    return match.hasMatch() ? match.captured(1).toUpper().toStdString() : std::string();
}

} // namespace

PhotoXmlReader::PhotoXmlReader(XmlStream &stream)
    : m_stream(stream)
    , m_photoDataName(stream.intern("photodata"))
    , m_basicInfoName(stream.intern("基礎情報"))
    , m_photoName(stream.intern("写真情報"))
    , m_drawingName(stream.intern("付加情報"))
{
    m_basicTargets = {
        {stream.intern("写真フォルダ名"), &m_basic.photoFolder},
        {stream.intern("参考図フォルダ名"), &m_basic.drawingFolder},
        {stream.intern("適用要領基準"), &m_basic.criterion},
    };
    auto field = [this](PhotoRecord::Field f) { return &m_record.fields[f]; };
    m_photoTargets = {
        {stream.intern("シリアル番号"), field(PhotoRecord::SerialText)},
        {stream.intern("写真ファイル名"), field(PhotoRecord::FileName)},
        {stream.intern("写真ファイル日本語名"), field(PhotoRecord::JapaneseFileName)},
        {stream.intern("写真-大分類"), field(PhotoRecord::MajorClass)},
        {stream.intern("写真区分"), field(PhotoRecord::Category)},
        {stream.intern("工種"), field(PhotoRecord::WorkType)},
        {stream.intern("種別"), field(PhotoRecord::Kind)},
        {stream.intern("細別"), field(PhotoRecord::SubKind)},
        {stream.intern("写真タイトル"), field(PhotoRecord::Title)},
        {stream.intern("撮影箇所"), field(PhotoRecord::Place)},
        {stream.intern("施工管理値"), field(PhotoRecord::ManagementValue)},
        {stream.intern("代表写真"), field(PhotoRecord::Representative)},
        {stream.intern("提出頻度写真"), field(PhotoRecord::Frequency)},
    };
    m_drawingTargets = {
        {stream.intern("参考図ファイル名"), &m_drawingFile},
    };
}

bool PhotoXmlReader::read(const PhotoHandler &handler)
{
    m_handler = &handler;
    for (;;) {
        switch (m_stream.next()) {
        case XmlStream::Token::StartElement:
            startElement();
            break;
        case XmlStream::Token::EndElement:
            endElement();
            break;
        case XmlStream::Token::Text:
            if (m_target)
                m_target->append(m_stream.text());
            break;
        case XmlStream::Token::DocumentType:
            if (m_basic.dtdVersion.empty())
                m_basic.dtdVersion = versionFromSystemId(m_stream.systemId());
            break;
        case XmlStream::Token::End:
            if (!m_rootSeen)
                fail(QStringLiteral("写真情報ファイルではありません"));
            return m_errorText.isEmpty();
        case XmlStream::Token::Error:
            fail(m_stream.errorMessage());
            return false;
        }
        if (!m_errorText.isEmpty())
            return false;
    }
}

void PhotoXmlReader::startElement()
{
    const char *name = m_stream.name();
    const int depth = m_stream.depth();
    m_target = nullptr;
    if (depth == 0) {
        if (name != m_photoDataName) {
            fail(QStringLiteral("写真情報ファイルではありません"));
            return;
        }
        m_rootSeen = true;
        const std::string version = m_stream.attribute("DTD_version");
        if (!version.empty())
            m_basic.dtdVersion = version;
    } else if (m_photoDepth >= 0) {
        if (m_drawingDepth >= 0) {
            m_target = targetFor(name, m_drawingTargets);
        } else if (name == m_drawingName) {
            m_drawingDepth = depth;
            m_drawingFile.clear();
        } else {
            m_target = targetFor(name, m_photoTargets);
        }
    } else if (m_basicDepth >= 0) {
        m_target = targetFor(name, m_basicTargets);
    } else if (depth == 1 && name == m_photoName) {
        m_photoDepth = depth;
        for (std::string &text : m_record.fields)
            text.clear();
        m_record.drawings = 0;
    } else if (depth == 1 && name == m_basicInfoName) {
        m_basicDepth = depth;
    }
    if (m_target)
        m_target->clear();
    if (m_stream.isEmptyElement())
        endElement();
}

void PhotoXmlReader::endElement()
{
    const int depth = m_stream.depth();
    if (m_target) {
        xmltext::trim(*m_target);
        m_target = nullptr;
    }
    if (depth == m_drawingDepth) {
        if (!m_drawingFile.empty())
            ++m_record.drawings;
        m_drawingDepth = -1;
    } else if (depth == m_photoDepth) {
        finishPhoto();
        m_photoDepth = -1;
    } else if (depth == m_basicDepth) {
        m_basicDepth = -1;
    }
}

void PhotoXmlReader::finishPhoto()
{
    ++m_photoCount;
    const int serial = parseSerial(m_record[PhotoRecord::SerialText]);
    m_record.serial = serial > 0 ? serial : m_photoCount;
    m_drawingCount += m_record.drawings;
    if (!(*m_handler)(m_record))
        fail(QStringLiteral("写真情報を保存できません"));
}

std::string *PhotoXmlReader::targetFor(const char *name, const std::vector<Target> &targets) const
{
    for (const Target &target : targets) {
        if (target.name == name)
            return target.text;
    }
    return nullptr;
}

void PhotoXmlReader::fail(const QString &text)
{
    if (m_errorText.isEmpty())
        m_errorText = text;
}
