#include "hostoutput.h"

#include "platform/textfile.h"

namespace host {

namespace {

// fgetws buffer of the reading loop; longer lines come in pieces.
constexpr int LineBufferChars = 1024;

} // namespace

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

bool printSettingsFile(const QString &windowsPath)
{
    win::TextFile file;
    if (!file.open(windowsPath, win::TextFile::Mode::Read))
        return false;
    QString text;
    QString line;
    while (file.readLine(&line, LineBufferChars))
        text += line;
    const bool read = !file.hasError();
    file.close();
    print(stdout, text);
    return read;
}

} // namespace host
