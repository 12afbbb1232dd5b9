#include "indexxmlreader.h"

#include "xmlstream.h"
#include "xmltext.h"

namespace {

// Children of the root that hold nothing for the reader: reserved fields
// and the private data of the program that wrote the file.
bool isPassedOver(const QString &name)
{
    return name == u"予備" || name == u"ソフトメーカ用TAG";
}

bool isLongText(const QString &name)
{
    return name == u"工事内容" || name == u"業務概要";
}

} // namespace

IndexXmlReader::IndexXmlReader(XmlStream &stream)
    : m_stream(stream)
{
}

bool IndexXmlReader::read()
{
    for (;;) {
        switch (m_stream.next()) {
        case XmlStream::Token::StartElement:
            startElement();
            break;
        case XmlStream::Token::EndElement:
            endElement();
            break;
        case XmlStream::Token::Text:
            m_text.append(m_stream.text());
            break;
        case XmlStream::Token::DocumentType:
            break;
        case XmlStream::Token::End:
            return m_errorText.isEmpty();
        case XmlStream::Token::Error:
            m_errorText = m_stream.errorMessage();
            return false;
        }
    }
}

void IndexXmlReader::startElement()
{
    const QString name = QString::fromUtf8(m_stream.name());
    m_text.clear();
    if (m_stream.depth() == 0) {
        m_rootName = name;
        return;
    }
    const bool insidePassedOver = !m_open.empty() && m_open.back() < 0;
    if (insidePassedOver || (m_open.empty() && isPassedOver(name))) {
        m_open.push_back(-1);
    } else if (m_items.size() >= MaxItems) {
        if (m_errorText.isEmpty())
            m_errorText = QStringLiteral("項目が多すぎます（%1 項目まで）").arg(MaxItems);
        m_open.push_back(-1);
    } else {
        if (!m_open.empty())
            m_items[m_open.back()].group = true;
        IndexItem item;
        item.depth = int(m_open.size());
        item.label = name;
        m_items.append(item);
        m_open.push_back(m_items.size() - 1);
    }
    if (m_stream.isEmptyElement())
        endElement();
}

void IndexXmlReader::endElement()
{
    if (m_open.empty())
        return;
    const qsizetype index = m_open.back();
    m_open.pop_back();
    if (index < 0)
        return;
    IndexItem &item = m_items[index];
    if (!item.group) {
        xmltext::trim(m_text);
        item.value = QString::fromUtf8(m_text);
        item.longText = isLongText(item.label);
    }
    m_text.clear();
    const bool inBasicInfo =
        !m_open.empty() && m_open.back() >= 0 && m_items[m_open.back()].label == u"基礎情報";
    if (inBasicInfo && item.label == u"適用要領基準" && m_criterion.isEmpty())
        m_criterion = item.value;
}
