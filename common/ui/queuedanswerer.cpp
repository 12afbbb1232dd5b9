#include "queuedanswerer.h"

namespace ui {

QueuedAnswerer::QueuedAnswerer()
    : m_previous(installAnswerer(this))
{
}

QueuedAnswerer::~QueuedAnswerer()
{
    if (installedAnswerer() == this)
        installAnswerer(m_previous);
}

void QueuedAnswerer::queueAnswer(int result)
{
    m_answers.enqueue(result);
}

void QueuedAnswerer::queueFolder(const std::optional<QString> &folder)
{
    m_folders.enqueue(folder);
}

void QueuedAnswerer::queueSaveFile(const std::optional<QString> &file)
{
    m_files.enqueue(file);
}

int QueuedAnswerer::pendingAnswers() const
{
    return int(m_answers.size() + m_folders.size() + m_files.size());
}

void QueuedAnswerer::clearRecords()
{
    m_messageBoxes.clear();
    m_folderBrowses.clear();
    m_saveFiles.clear();
    m_unfitAnswers.clear();
}

int QueuedAnswerer::answerMessageBox(const MessageBoxRequest &request)
{
    m_messageBoxes.append(request);
    const int fallback = defaultAnswer(request.buttons);
    if (m_answers.isEmpty())
        return fallback;
    const int answer = m_answers.dequeue();
    if (hasButton(request.buttons, answer))
        return answer;
    m_unfitAnswers.append(QStringLiteral("the prepared answer %1 is not a button of the box \"%2\"; "
                                         "it took %3")
                              .arg(resultName(answer), request.text, resultName(fallback)));
    return fallback;
}

std::optional<QString> QueuedAnswerer::answerFolderBrowse(const FolderBrowseRequest &request)
{
    m_folderBrowses.append(request);
    return m_folders.isEmpty() ? std::nullopt : m_folders.dequeue();
}

std::optional<QString> QueuedAnswerer::answerSaveFile(const SaveFileRequest &request)
{
    m_saveFiles.append(request);
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

} // namespace ui
