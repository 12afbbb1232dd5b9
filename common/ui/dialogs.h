#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The dialogs service: every message box, folder browser and save-file
// dialog of the programs goes through here, so that tests and scripted
// runs can answer them (installAnswerer) and every message box is logged.
//
// Whenever the environment variable TESSERA_UI_LOG names a file, each
// message box, answered or shown, is appended to it (UTF-8) as one line
//     caption<TAB>icon<TAB>text
// with line feeds in the text written as \n and tabs as \t.
namespace ui {

// Win32 message box results.
enum DialogResult { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The buttons of a box, in the order Windows shows them; the first one is
// the default button.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

// MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING (= MB_ICONEXCLAMATION),
// MB_ICONINFORMATION.
enum class Icon { None, Error, Question, Warning, Information };

struct MessageBoxRequest
{
    QString text;
    QString caption;  // already the program's title when empty at the call
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool foreground = false;  // MB_SETFOREGROUND
};

// Shows a modal message box and returns the button pressed (IDOK, IDYES,
// ...). An empty caption becomes the application's display name, which the
// programs set to their title.
int messageBox(QWidget *owner, const QString &text, const QString &caption = QString(),
               Buttons buttons = Buttons::Ok, Icon icon = Icon::None, bool foreground = false);

struct FolderBrowseRequest
{
    QString title;
    QString initialFolder;  // Windows form; preselected when not empty
};

// The shell's folder browser: the chosen folder in Windows form, nothing
// when cancelled or when the choice has no Windows path (no drive maps it).
std::optional<QString> browseForFolder(QWidget *owner, const QString &title,
                                       const QString &initialFolder = QString());

struct SaveFileRequest
{
    QString title;
    QString initialFolder;  // Windows form
    QString fileName;       // proposed name, without folder
    QStringList filters;    // "テキスト ファイル (*.txt)"
    QString defaultExtension;  // without the dot
};

// GetSaveFileNameW: the chosen file in Windows form, nothing on cancel.
std::optional<QString> saveFileName(QWidget *owner, const SaveFileRequest &request);

// How many dialogs (boxes, browsers, save dialogs) were asked for so far,
// answered or shown. A click that raised one on its way is lost, as on
// Windows (see clickAsUser in controls.h).
quint64 dialogsRequested();

// Answers dialogs instead of the user. While one is installed no dialog is
// shown; message boxes are still logged.
class Answerer
{
public:
    virtual ~Answerer();
    virtual int answerMessageBox(const MessageBoxRequest &request) = 0;
    virtual std::optional<QString> answerFolderBrowse(const FolderBrowseRequest &request) = 0;
    virtual std::optional<QString> answerSaveFile(const SaveFileRequest &request) = 0;
};

// Installs an answerer (nullptr: back to real dialogs) and returns the one
// installed before. Not owned.
Answerer *installAnswerer(Answerer *answerer);
Answerer *installedAnswerer();

// The button a box takes when nobody answers it: its first button.
int defaultAnswer(Buttons buttons);
// Whether the box has a button with this result.
bool hasButton(Buttons buttons, int result);

// "IDOK", "IDCANCEL", "IDYES", "IDNO"; the number for anything else.
QString resultName(int result);
// The result named so, or 0.
int resultFromName(const QString &name);

// Log names of the icons: "none", "error", "question", "warning",
// "information".
QString iconName(Icon icon);

} // namespace ui
