#include "dialogs.h"

#include "nativedialogs.h"

#include <QFile>
#include <QGuiApplication>

namespace ui {

namespace {

Answerer *g_answerer = nullptr;
quint64 g_dialogsRequested = 0;

// Appends the box to the file named by TESSERA_UI_LOG. The file is opened
// and closed for every line, so the log is complete even when the program
// ends abruptly right after the box.
void logMessageBox(const MessageBoxRequest &request)
{
    const QString logFile = qEnvironmentVariable("TESSERA_UI_LOG");
    if (logFile.isEmpty())
        return;
    QString text = request.text;
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    const QString line = request.caption + QLatin1Char('\t') + iconName(request.icon)
        + QLatin1Char('\t') + text + QLatin1Char('\n');
    QFile file(logFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(line.toUtf8());
    else
        qWarning("TESSERA_UI_LOG: cannot append to %s", qPrintable(logFile));
}

} // namespace

Answerer::~Answerer() = default;

int messageBox(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
               Icon icon, bool foreground)
{
    MessageBoxRequest request;
    request.text = text;
    request.caption = caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
    request.buttons = buttons;
    request.icon = icon;
    request.foreground = foreground;
    logMessageBox(request);
    ++g_dialogsRequested;
    if (g_answerer)
        return g_answerer->answerMessageBox(request);
    return showMessageBox(owner, request);
}

std::optional<QString> browseForFolder(QWidget *owner, const QString &title,
                                       const QString &initialFolder)
{
    FolderBrowseRequest request;
    request.title = title;
    request.initialFolder = initialFolder;
    ++g_dialogsRequested;
    if (g_answerer)
        return g_answerer->answerFolderBrowse(request);
    return showFolderBrowser(owner, request);
}

std::optional<QString> saveFileName(QWidget *owner, const SaveFileRequest &request)
{
    ++g_dialogsRequested;
    if (g_answerer)
        return g_answerer->answerSaveFile(request);
    return showSaveFileDialog(owner, request);
}

quint64 dialogsRequested()
{
    return g_dialogsRequested;
}

Answerer *installAnswerer(Answerer *answerer)
{
    Answerer *previous = g_answerer;
    g_answerer = answerer;
    return previous;
}

Answerer *installedAnswerer()
{
    return g_answerer;
}

int defaultAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return IDOK;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return IDYES;
    }
    return IDOK;
}

bool hasButton(Buttons buttons, int result)
{
    switch (buttons) {
    case Buttons::Ok:
        return result == IDOK;
    case Buttons::OkCancel:
        return result == IDOK || result == IDCANCEL;
    case Buttons::YesNo:
        return result == IDYES || result == IDNO;
    case Buttons::YesNoCancel:
        return result == IDYES || result == IDNO || result == IDCANCEL;
    }
    return false;
}

namespace {

struct ResultName
{
    int result;
    const char *name;
};

constexpr ResultName ResultNames[] = {
    {IDOK, "IDOK"}, {IDCANCEL, "IDCANCEL"}, {IDYES, "IDYES"}, {IDNO, "IDNO"}};

} // namespace

QString resultName(int result)
{
    for (const ResultName &entry : ResultNames) {
        if (entry.result == result)
            return QLatin1String(entry.name);
    }
    return QString::number(result);
}

int resultFromName(const QString &name)
{
    for (const ResultName &entry : ResultNames) {
        if (name == QLatin1String(entry.name))
            return entry.result;
    }
    return 0;
}

QString iconName(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QStringLiteral("none");
    case Icon::Error:
        return QStringLiteral("error");
    case Icon::Question:
        return QStringLiteral("question");
    case Icon::Warning:
        return QStringLiteral("warning");
    case Icon::Information:
        return QStringLiteral("information");
    }
    return QString();
}

} // namespace ui
