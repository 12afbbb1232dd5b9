#include "photostylesheet.h"

#include "deliveryxml.h"

#include <QXmlStreamWriter>

namespace host {

namespace {

const QString XslNamespace = QStringLiteral("http://www.w3.org/1999/XSL/Transform");
const QString Title = QStringLiteral("写真管理情報");

// Shows the photos whose text holds what is typed, hides the others.
const QString SearchScript = QStringLiteral(
    "function filterPhotos() {\n"
    "  var text = document.getElementById('search').value;\n"
    "  var blocks = document.getElementsByTagName('div');\n"
    "  for (var i = 0; i < blocks.length; i++) {\n"
    "    if (blocks[i].className == 'photo')\n"
    "      blocks[i].style.display =\n"
    "        text == '' || blocks[i].textContent.indexOf(text) >= 0 ? '' : 'none';\n"
    "  }\n"
    "}\n");

// The items shown of each photo: caption and XPath below 写真情報.
const std::pair<const char16_t *, const char16_t *> Items[] = {
    {u"シリアル番号", u"写真ファイル情報/シリアル番号"},
    {u"写真ファイル名", u"写真ファイル情報/写真ファイル名"},
    {u"写真-大分類", u"撮影工種区分/写真-大分類"},
    {u"写真区分", u"撮影工種区分/写真区分"},
    {u"工種", u"撮影工種区分/工種"},
    {u"種別", u"撮影工種区分/種別"},
    {u"細別", u"撮影工種区分/細別"},
    {u"写真タイトル", u"撮影工種区分/写真タイトル"},
    {u"撮影箇所", u"撮影情報/撮影箇所"},
    {u"撮影年月日", u"撮影情報/撮影年月日"},
    {u"施工管理値", u"施工管理値"},
};

class Xsl
{
public:
    explicit Xsl(QString *text)
        : m_xml(text)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(-1);
    }

    QXmlStreamWriter &xml() { return m_xml; }

    void xsl(const QString &name) { m_xml.writeStartElement(XslNamespace, name); }
    void valueOf(const QString &path)
    {
        xsl(QStringLiteral("value-of"));
        m_xml.writeAttribute(QStringLiteral("select"), path);
        m_xml.writeEndElement();
    }
    void end() { m_xml.writeEndElement(); }

private:
    QXmlStreamWriter m_xml;
};

void writeList(Xsl &xsl)
{
    QXmlStreamWriter &xml = xsl.xml();
    xml.writeStartElement(QStringLiteral("table"));
    xml.writeAttribute(QStringLiteral("border"), QStringLiteral("1"));
    xsl.xsl(QStringLiteral("for-each"));
    xml.writeAttribute(QStringLiteral("select"), QStringLiteral("写真情報"));
    xml.writeStartElement(QStringLiteral("tr"));
    xml.writeStartElement(QStringLiteral("td"));
    xml.writeStartElement(QStringLiteral("a"));
    xml.writeAttribute(QStringLiteral("href"), QStringLiteral("#p{写真ファイル情報/シリアル番号}"));
    xsl.valueOf(QStringLiteral("写真ファイル情報/シリアル番号"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("td"));
    xsl.valueOf(QStringLiteral("撮影工種区分/写真タイトル"));
    xml.writeEndElement();
    xml.writeEndElement();
    xsl.end();
    xml.writeEndElement();
}

void writePhotos(Xsl &xsl)
{
    QXmlStreamWriter &xml = xsl.xml();
    xsl.xsl(QStringLiteral("for-each"));
    xml.writeAttribute(QStringLiteral("select"), QStringLiteral("写真情報"));
    xml.writeStartElement(QStringLiteral("div"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("photo"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("p{写真ファイル情報/シリアル番号}"));
    xml.writeStartElement(QStringLiteral("img"));
    xml.writeAttribute(QStringLiteral("src"), QStringLiteral("PIC/{写真ファイル情報/写真ファイル名}"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("320"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("table"));
    for (const auto &[caption, path] : Items) {
        xml.writeStartElement(QStringLiteral("tr"));
        xml.writeTextElement(QStringLiteral("th"), QString::fromUtf16(caption));
        xml.writeStartElement(QStringLiteral("td"));
        xsl.valueOf(QString::fromUtf16(path));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xsl.end();
}

} // namespace

QByteArray photoStylesheet(int format)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    Xsl xsl(&text);
    QXmlStreamWriter &xml = xsl.xml();
    xml.writeNamespace(XslNamespace, QStringLiteral("xsl"));
    xsl.xsl(QStringLiteral("stylesheet"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xsl.xsl(QStringLiteral("output"));
    xml.writeAttribute(QStringLiteral("method"), QStringLiteral("html"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("Shift_JIS"));
    xsl.end();
    xsl.xsl(QStringLiteral("template"));
    xml.writeAttribute(QStringLiteral("match"), QStringLiteral("/photodata"));
    xml.writeStartElement(QStringLiteral("html"));
    xml.writeStartElement(QStringLiteral("head"));
    xml.writeTextElement(QStringLiteral("title"), Title);
    if (format == SearchSheetFormat)
        xml.writeTextElement(QStringLiteral("script"), SearchScript);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("body"));
    xml.writeTextElement(QStringLiteral("h1"), Title);
    if (format == ListSheetFormat)
        writeList(xsl);
    if (format == SearchSheetFormat) {
        xml.writeStartElement(QStringLiteral("input"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("search"));
        xml.writeAttribute(QStringLiteral("onkeyup"), QStringLiteral("filterPhotos()"));
        xml.writeEndElement();
    }
    writePhotos(xsl);
    xml.writeEndElement();
    xml.writeEndElement();
    xsl.end();
    xsl.end();
    xml.writeEndDocument();
    return discText(text);
}

} // namespace host
