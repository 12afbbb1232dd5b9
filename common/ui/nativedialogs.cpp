#include "nativedialogs.h"

#include "platform/winpath.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

struct BoxButton
{
    int result;
    const char *text;  // UTF-8
    QMessageBox::ButtonRole role;
};

constexpr BoxButton OkButton{IDOK, "OK", QMessageBox::AcceptRole};
constexpr BoxButton CancelButton{IDCANCEL, "キャンセル", QMessageBox::RejectRole};
constexpr BoxButton YesButton{IDYES, "はい(&Y)", QMessageBox::YesRole};
constexpr BoxButton NoButton{IDNO, "いいえ(&N)", QMessageBox::NoRole};

QList<BoxButton> boxButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return {OkButton};
    case Buttons::OkCancel:
        return {OkButton, CancelButton};
    case Buttons::YesNo:
        return {YesButton, NoButton};
    case Buttons::YesNoCancel:
        return {YesButton, NoButton, CancelButton};
    }
    return {OkButton};
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The host folder to open a file dialog in, empty when the Windows path
// does not resolve (the dialog then starts in its own default place).
QString startFolder(const QString &windowsFolder)
{
    return windowsFolder.isEmpty() ? QString() : win::toHostPath(windowsFolder);
}

void setButtonTexts(QFileDialog &dialog, const QString &acceptText)
{
    dialog.setLabelText(QFileDialog::Accept, acceptText);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
}

// Runs the dialog; the Windows path chosen, nothing when the user cancelled
// or the path is on no drive.
std::optional<QString> chosenWindowsPath(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList hostPaths = dialog.selectedFiles();
    if (hostPaths.isEmpty() || hostPaths.constFirst().isEmpty())
        return std::nullopt;
    const QString windowsPath = win::toWindowsPath(hostPaths.constFirst());
    if (windowsPath.isEmpty())
        return std::nullopt;
    return windowsPath;
}

} // namespace

int showMessageBox(QWidget *owner, const MessageBoxRequest &request)
{
    QMessageBox box(owner);
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(boxIcon(request.icon));

    QList<QPair<QAbstractButton *, int>> results;
    const QList<BoxButton> buttons = boxButtons(request.buttons);
    for (const BoxButton &button : buttons) {
        QPushButton *pushButton = box.addButton(QString::fromUtf8(button.text), button.role);
        results.append({pushButton, button.result});
        if (button.result == IDCANCEL || (button.result == IDOK && buttons.size() == 1))
            box.setEscapeButton(pushButton);
    }
    box.setDefaultButton(qobject_cast<QPushButton *>(results.constFirst().first));
    // MB_SETFOREGROUND needs nothing here: a modal box is always raised.
    box.exec();

    for (const auto &[button, result] : std::as_const(results)) {
        if (box.clickedButton() == button)
            return result;
    }
    return buttons.constFirst().result;
}

std::optional<QString> showFolderBrowser(QWidget *owner, const FolderBrowseRequest &request)
{
    QFileDialog dialog(owner, request.title, startFolder(request.initialFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    setButtonTexts(dialog, QStringLiteral("OK"));
    return chosenWindowsPath(dialog);
}

std::optional<QString> showSaveFileDialog(QWidget *owner, const SaveFileRequest &request)
{
    QFileDialog dialog(owner, request.title, startFolder(request.initialFolder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    setButtonTexts(dialog, QStringLiteral("保存(&S)"));
    if (!request.filters.isEmpty())
        dialog.setNameFilters(request.filters);
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    return chosenWindowsPath(dialog);
}

} // namespace ui
