#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The dialogs service: every message box, folder browser and save-file
// dialog of the programs goes through here, so that tests and scripted
// runs can answer them (installAnswerer) and log them.
namespace ui {

// Win32 message box results.
enum DialogResult { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

// MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING (= MB_ICONEXCLAMATION),
// MB_ICONINFORMATION.
enum class Icon { None, Error, Question, Warning, Information };

struct MessageBoxRequest
{
    QString text;
    QString caption;  // the program's title when empty at the call
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool foreground = false;  // MB_SETFOREGROUND
};

// Shows a modal message box and returns the button pressed. An empty
// caption becomes the application's display name (the program's title).
int messageBox(QWidget *owner, const QString &text, const QString &caption = QString(),
               Buttons buttons = Buttons::Ok, Icon icon = Icon::None, bool foreground = false);

struct FolderBrowseRequest
{
    QString title;
    QString initialFolder;  // Windows form; preselected when not empty
};

// The shell's folder browser: the chosen folder in Windows form, nothing
// when cancelled or when the choice has no file-system path.
std::optional<QString> browseForFolder(QWidget *owner, const QString &title,
                                       const QString &initialFolder = QString());

struct SaveFileRequest
{
    QString title;
    QString initialFolder;
    QString fileName;
    QStringList filters;  // "テキスト ファイル (*.txt)"
    QString defaultExtension;
};

// GetSaveFileNameW: the chosen file in Windows form, nothing on cancel.
std::optional<QString> saveFileName(QWidget *owner, const SaveFileRequest &request);

// Answers dialogs instead of the user. While installed, no dialog is shown.
class Answerer
{
public:
    virtual ~Answerer() = default;
    virtual int answerMessageBox(const MessageBoxRequest &request) = 0;
    virtual std::optional<QString> answerFolderBrowse(const FolderBrowseRequest &request) = 0;
    virtual std::optional<QString> answerSaveFile(const SaveFileRequest &request) = 0;
};

// Installs an answerer (nullptr: back to real dialogs). Not owned.
void installAnswerer(Answerer *answerer);

// The button a message box takes when nobody answers it: its first button.
int defaultAnswer(Buttons buttons);

// Log names of the icons: "none", "error", "question", "warning",
// "information".
QString iconName(Icon icon);

} // namespace ui
