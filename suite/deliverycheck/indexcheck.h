#pragma once

#include "itemrules.h"
#include "xmlitemreader.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// Checks the index file (INDEX_C.XML, or INDEX_D.XML of design work): its
// grammar and items, the construction period in order, the media numbers;
// and tells the other checks what it names.
namespace deliverycheck {

class CheckReport;
class ForbiddenCharacters;
class ItemChecker;

class IndexCheck final : private XmlItemReader::Handler
{
public:
    struct NamedFolder
    {
        QString item; // 写真フォルダ名, 打合せ簿オリジナルファイルフォルダ名, ...
        QString path; // as written ("PHOTO", "MEET/ORG")
        int line = 0;
    };

    struct Facts
    {
        bool read = false;   // opened and well-formed
        QString dtdFileName; // the DTD as the folder lists it, empty when not there
        QString dtdDescription;
        int mediaNumber = 0; // 0 when not given
        int mediaTotal = 0;
        // 工期開始日 and 工期終了日, or 履行期間-着手 and -完了.
        std::optional<QDate> periodStart;
        std::optional<QDate> periodEnd;
        // The folders its 基礎情報 names.
        QList<NamedFolder> folders;
    };

    IndexCheck(CheckReport &report, ItemChecker &items);

    Facts run(const QString &hostPath, const QString &relativeFile);

private:
    void startElement(const char *name, int depth, int line) override;
    void leaf(const char *name, const QString &text, int line) override;
    void endElement(const char *name, int depth) override;

    void takeRules(Document document);
    void checkPeriod();
    void checkMedia();

    struct Dated
    {
        QString item;
        QString text;
        int line = 0;
    };

    CheckReport &m_report;
    ItemChecker &m_items;
    XmlStream *m_stream = nullptr;
    QString m_file;
    QHash<const void *, const ItemRule *> m_rules;
    Facts m_facts;
    Dated m_start;
    Dated m_end;
    int m_mediaLine = 0;
};

} // namespace deliverycheck
