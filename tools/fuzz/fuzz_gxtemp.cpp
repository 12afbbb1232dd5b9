// Feeds arbitrary bytes to the GXTemp reader as the file's content, the way
// the basic-information pages read it: two passes, split lines, markers.
#include "fuzzsupport.h"
#include "gxtemp.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void readTwice(const QString &path)
{
    GXTemp file(QStringLiteral("出力形式"));
    for (int pass = 0; pass < 2; ++pass) {
        if (!file.open(path))
            return;
        GXTemp::Line line;
        while (file.readLine(&line)) {
            if (file.inWidthSection())
                GXTemp::removeMarkers(line.label + line.value);
        }
        file.hasReadError();
        file.close();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::writeInput(QStringLiteral("GXTemp"), data, size);
    if (path.isEmpty())
        return 0;
    readTwice(path);

    // The splitter on the same bytes taken as UTF-16 text.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * sizeof(QChar));
    GXTemp::splitLine(text);
    return 0;
}
