#pragma once

#include <QList>
#include <QString>

#include <string>
#include <vector>

class XmlStream;

// One element of an index file, in document order.
struct IndexItem
{
    int depth = 0;         // 0 for a child of the root element
    QString label;         // the element name
    QString value;         // a leaf's text, trimmed; empty for a group
    bool group = false;    // holds elements of its own
    bool longText = false; // a free text (工事内容, 業務概要) shown at the end
};

// Reads an index file (INDEX_C.XML, root constdata; INDEX_D.XML, root
// gyomudata; or an older INDEX.XML) into its items, whatever its DTD. The
// file is small, but it comes from outside: the number of items is capped.
// A file that breaks off keeps the items read before the break.
class IndexXmlReader final
{
public:
    static constexpr qsizetype MaxItems = 1000;

    explicit IndexXmlReader(XmlStream &stream);
    Q_DISABLE_COPY_MOVE(IndexXmlReader)

    // True when the whole file was read.
    bool read();

    const QList<IndexItem> &items() const { return m_items; }
    QString rootName() const { return m_rootName; }
    // 基礎情報/適用要領基準.
    QString criterion() const { return m_criterion; }
    QString errorText() const { return m_errorText; }

private:
    void startElement();
    void endElement();

    XmlStream &m_stream;
    QList<IndexItem> m_items;
    // Item of each open element below the root; -1 for one passed over.
    std::vector<qsizetype> m_open;
    std::string m_text;
    QString m_rootName;
    QString m_criterion;
    QString m_errorText;
};
