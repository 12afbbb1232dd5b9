#pragma once

#include "xmlproblem.h"

#include <QString>

#include <string>
#include <vector>

class XmlStream;

// Reads a delivery document as its management items: every element's
// start and end, and each leaf element's text (trimmed of XML white space)
// with the line of its start tag. Element names come as the stream's
// interned UTF-8 names, so a handler compares them by address.
namespace deliverycheck {

class XmlItemReader final
{
public:
    class Handler
    {
    public:
        virtual ~Handler() = default;
        virtual void startElement(const char *name, int depth, int line) = 0;
        // An element that holds no element, before its endElement.
        virtual void leaf(const char *name, const QString &text, int line) = 0;
        virtual void endElement(const char *name, int depth) = 0;
    };

    explicit XmlItemReader(XmlStream &stream);

    // True when the document was read to its end; false when it is not
    // well-formed, with error() saying why and where.
    bool read(Handler &handler);
    const XmlProblem &error() const { return m_error; }

private:
    struct Open
    {
        const char *name;
        int line;
        bool hasChildren;
    };

    void end(Handler &handler);

    XmlStream &m_stream;
    std::vector<Open> m_open;
    std::string m_text;
    XmlProblem m_error;
};

} // namespace deliverycheck
