// Feeds arbitrary bytes to the private profile document in memory, the
// reader and editor under the profile functions (fuzz_profile drives the
// same through the files, its rename and its cache): a key written reads
// back, a value moved arrives whole, deleting a key or a section shrinks
// the file until the name reads as missing, and none of these edits
// changes what any other name reads. A section edited on its own gives
// the same bytes as the edit of the whole file.
#include "fuzzcheck.h"
#include "platform/profiledocument.h"

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using fuzz::check;
using win::ProfileDocument;

// The names probed: the sections and keys the programs use, distinct
// without regard to case, and one of each that no file is likely to hold.
const std::array<QString, 4> Sections = {QStringLiteral("USED"), QStringLiteral("COMMON"),
                                         QStringLiteral("LOCK"), QStringLiteral("none")};
const std::array<QString, 3> Keys = {QStringLiteral("0"), QStringLiteral("1"),
                                     QStringLiteral("DataDir")};
const QString Edited = QStringLiteral("USED");
const QString Written = QStringLiteral("6162ab値");

using Reading = std::array<std::optional<QString>, Sections.size() * Keys.size()>;

Reading readAll(const ProfileDocument &document)
{
    Reading reading;
    std::size_t i = 0;
    for (const QString &section : Sections) {
        for (const QString &key : Keys)
            reading[i++] = document.value(section, key);
    }
    return reading;
}

// Every name reads as before but the section's key, or the whole section
// when key is null.
void checkOthersKept(const Reading &before, const ProfileDocument &after, const QString &section,
                     const QString *key)
{
    const Reading now = readAll(after);
    std::size_t i = 0;
    for (const QString &probedSection : Sections) {
        for (const QString &probedKey : Keys) {
            const bool edited = probedSection == section && (!key || probedKey == *key);
            check(edited || now[i] == before[i]);
            ++i;
        }
    }
}

void write(const ProfileDocument &document, const Reading &before)
{
    const QString &key = Keys[0];
    const ProfileDocument after = ProfileDocument::fromBytes(document.withValue(Edited, key, Written));
    check(after.value(Edited, key) == Written);
    checkOthersKept(before, after, Edited, &key);
}

// The section's own document, edited, spliced back in place.
void writeInSection(const ProfileDocument &document)
{
    const auto span = document.sectionSpan(Edited);
    if (!span)
        return;
    const ProfileDocument section = ProfileDocument::fromSectionBytes(
        document.bytes().mid(span->start, span->end - span->start), document.encoding());
    check(document.withSpanReplaced(*span, section.withValue(Edited, Keys[0], Written))
          == document.withValue(Edited, Keys[0], Written));
}

void move(const ProfileDocument &document, const Reading &before)
{
    const QString &from = Keys[0];
    const QString &to = Keys[1];
    const std::optional<QString> moved = document.value(Edited, from);
    const ProfileDocument after = ProfileDocument::fromBytes(document.withMovedValue(Edited, from, to));
    if (!moved) {
        check(after.bytes() == document.bytes());
        return;
    }
    check(after.value(Edited, to) == moved);
    const Reading now = readAll(after);
    std::size_t i = 0;
    for (const QString &section : Sections) {
        for (const QString &key : Keys) {
            check((section == Edited && (key == from || key == to)) || now[i] == before[i]);
            ++i;
        }
    }
}

// Deleting goes on until the name is gone; a file may hold the same key
// or section more than once, but every deletion must shrink it. key null:
// the whole section.
void deleteUntilGone(ProfileDocument document, const QString &section, const QString *key,
                     const Reading &before)
{
    const auto present = [&](const ProfileDocument &d) {
        return key ? d.value(section, *key).has_value() : d.sectionSpan(section).has_value();
    };
    while (present(document)) {
        const ProfileDocument after = ProfileDocument::fromBytes(
            key ? document.withoutKey(section, *key) : document.withoutSection(section));
        check(after.bytes().size() < document.bytes().size());
        checkOthersKept(before, after, section, key);
        document = after;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ProfileDocument document = ProfileDocument::fromBytes(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const Reading before = readAll(document);
    write(document, before);
    writeInSection(document);
    move(document, before);
    deleteUntilGone(document, Edited, &Keys[0], before);
    deleteUntilGone(document, Sections[2], nullptr, before);
    return 0;
}
