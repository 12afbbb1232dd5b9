#pragma once

#include "dialogs.h"

#include <QList>
#include <QQueue>

namespace ui {

// Answers dialogs from queues prepared in advance, one queue per kind of
// dialog, and records every request. A box with nothing queued takes its
// default (first) button; a browser or save dialog with nothing queued is
// cancelled. A queued box answer that is not one of the box's buttons is
// not used: the box takes its default button and the mismatch is kept in
// unfitAnswers(), so a script or test that lost step with its boxes sees it.
//
// Installs itself while it lives:
//     ui::QueuedAnswerer answerer;
//     answerer.queueAnswer(ui::IDYES);
//     sheet.pressButton(ui::WizardSheet::NextButton);
//     EXPECT_EQ(answerer.messageBoxes().at(0).text, ...);
class QueuedAnswerer final : public Answerer
{
public:
    QueuedAnswerer();
    ~QueuedAnswerer() override;
    Q_DISABLE_COPY_MOVE(QueuedAnswerer)

    void queueAnswer(int result);
    // A folder in Windows form, or nothing for Cancel.
    void queueFolder(const std::optional<QString> &folder);
    void queueSaveFile(const std::optional<QString> &file);

    const QList<MessageBoxRequest> &messageBoxes() const { return m_messageBoxes; }
    const QList<FolderBrowseRequest> &folderBrowses() const { return m_folderBrowses; }
    const QList<SaveFileRequest> &saveFiles() const { return m_saveFiles; }
    const QStringList &unfitAnswers() const { return m_unfitAnswers; }
    // Answers still queued, of all kinds.
    int pendingAnswers() const;

    // Forgets the records (not the queues).
    void clearRecords();

    int answerMessageBox(const MessageBoxRequest &request) override;
    std::optional<QString> answerFolderBrowse(const FolderBrowseRequest &request) override;
    std::optional<QString> answerSaveFile(const SaveFileRequest &request) override;

private:
    Answerer *m_previous;
    QQueue<int> m_answers;
    QQueue<std::optional<QString>> m_folders;
    QQueue<std::optional<QString>> m_files;
    QList<MessageBoxRequest> m_messageBoxes;
    QList<FolderBrowseRequest> m_folderBrowses;
    QList<SaveFileRequest> m_saveFiles;
    QStringList m_unfitAnswers;
};

} // namespace ui
