// Feeds arbitrary bytes to the delivery checker's rules, in memory: the
// document read as its management items (every start met by its end at
// the same depth, leaves only for elements without children), and every
// leaf's text through the item checks of each document whose rules name
// it and as an item no rule names. A check passes exactly when it reports
// nothing; a date that passes reads back as written; a file name that
// passes holds no folder; the forbidden characters found are distinct,
// all in the text, and found again the same once the verdicts are cached.
#include "checkreport.h"
#include "deliverydate.h"
#include "filenamerule.h"
#include "forbiddencharacters.h"
#include "fuzzcheck.h"
#include "itemchecker.h"
#include "itemrules.h"
#include "xmlitemreader.h"
#include "xmlstream.h"

#include "platform/pathnames.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace deliverycheck;
using fuzz::check;

constexpr Document Documents[] = {Document::Photo,   Document::ConstructionIndex,
                                  Document::DesignIndex, Document::Meeting,
                                  Document::Plan,    Document::Other};
constexpr FileNameRule::Kind FileKinds[] = {FileNameRule::Kind::Photo, FileNameRule::Kind::Drawing,
                                            FileNameRule::Kind::Meeting, FileNameRule::Kind::Plan,
                                            FileNameRule::Kind::Original};

// Every document's rules by item name.
const QHash<QString, std::vector<const ItemRule *>> &rulesByItem()
{
    static const QHash<QString, std::vector<const ItemRule *>> rules = [] {
        QHash<QString, std::vector<const ItemRule *>> byItem;
        for (const Document document : Documents) {
            for (const ItemRule *rule : rulesOf(document))
                byItem[QString::fromUtf16(rule->name)].push_back(rule);
        }
        return byItem;
    }();
    return rules;
}

// The shipped unicode_list.dat beside the target, read once per mode as
// the checker reads it once per delivery.
ForbiddenCharacters &forbidden(bool strict)
{
    static ForbiddenCharacters lenient(win::programFolder(), false);
    static ForbiddenCharacters strictList(win::programFolder(), true);
    return strict ? strictList : lenient;
}

void checkForbidden(const QString &text, bool strict)
{
    ForbiddenCharacters &list = forbidden(strict);
    const QString found = list.in(text);
    QSet<QChar> distinct;
    for (const QChar c : found) {
        check(text.contains(c));
        check(!distinct.contains(c));
        distinct.insert(c);
    }
    check(list.in(text) == found);
}

void checkItem(const QString &item, const QString &text, int line)
{
    CheckReport report;
    ItemChecker items(report, forbidden(false));
    const auto checked = [&](const ItemRule *rule) {
        const qsizetype before = report.findings().size();
        const bool passed = items.check(QStringLiteral("DOC.XML"), line, rule, item, text);
        check(passed == (report.findings().size() == before));
    };
    checked(nullptr);
    for (const ItemRule *rule : rulesByItem().value(item))
        checked(rule);
}

void checkText(const QString &text)
{
    DeliveryDate::Problem problem = DeliveryDate::Problem::None;
    const auto date = DeliveryDate::parse(text, &problem);
    check(date.has_value() == (problem == DeliveryDate::Problem::None));
    if (date)
        check(date->toString(QStringLiteral("yyyy-MM-dd")) == text);
    for (const FileNameRule::Kind kind : FileKinds) {
        if (FileNameRule::problem(kind, text).isEmpty())
            check(FileNameRule::isPlainName(text));
    }
    checkForbidden(text, false);
    checkForbidden(text, true);
}

class ItemHandler final : public XmlItemReader::Handler
{
public:
    bool allClosed() const { return m_open.empty(); }

    void startElement(const char *name, int depth, int line) override
    {
        check(name != nullptr && line >= 0);
        check(depth == int(m_open.size()));
        if (!m_open.empty())
            m_open.back().hasChildren = true;
        m_open.push_back({name, false, false});
    }

    void leaf(const char *name, const QString &text, int line) override
    {
        check(!m_open.empty() && m_open.back().name == name);
        check(!m_open.back().hasChildren && !m_open.back().leafSeen);
        m_open.back().leafSeen = true;
        checkItem(QString::fromUtf8(name), text, line);
        checkText(text);
    }

    void endElement(const char *name, int depth) override
    {
        check(!m_open.empty() && m_open.back().name == name);
        check(m_open.back().hasChildren != m_open.back().leafSeen);
        m_open.pop_back();
        check(depth == int(m_open.size()));
    }

private:
    struct Open
    {
        const char *name;
        bool hasChildren;
        bool leafSeen;
    };

    std::vector<Open> m_open;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::unique_ptr<XmlStream> stream = XmlStream::fromMemory(bytes);
    if (!stream)
        return 0;
    XmlItemReader reader(*stream);
    ItemHandler handler;
    if (reader.read(handler))
        check(handler.allClosed());
    return 0;
}
