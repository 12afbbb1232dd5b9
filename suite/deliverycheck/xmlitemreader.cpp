#include "xmlitemreader.h"

#include "xmlstream.h"
#include "xmltext.h"

namespace deliverycheck {

XmlItemReader::XmlItemReader(XmlStream &stream)
    : m_stream(stream)
{
}

bool XmlItemReader::read(Handler &handler)
{
    for (;;) {
        switch (m_stream.next()) {
        case XmlStream::Token::StartElement: {
            if (!m_open.empty())
                m_open.back().hasChildren = true;
            const char *name = m_stream.name();
            const int line = m_stream.line();
            m_open.push_back({name, line, false});
            m_text.clear();
            handler.startElement(name, int(m_open.size()) - 1, line);
            if (m_stream.isEmptyElement())
                end(handler);
            break;
        }
        case XmlStream::Token::EndElement:
            end(handler);
            break;
        case XmlStream::Token::Text:
            m_text.append(m_stream.text());
            break;
        case XmlStream::Token::DocumentType:
            break;
        case XmlStream::Token::End:
            return true;
        case XmlStream::Token::Error:
            m_error = {m_stream.errorLine(), m_stream.errorText()};
            return false;
        }
    }
}

void XmlItemReader::end(Handler &handler)
{
    if (m_open.empty())
        return;
    const Open open = m_open.back();
    m_open.pop_back();
    if (!open.hasChildren) {
        xmltext::trim(m_text);
        handler.leaf(open.name, QString::fromUtf8(m_text), open.line);
    }
    m_text.clear();
    handler.endElement(open.name, int(m_open.size()));
}

} // namespace deliverycheck
