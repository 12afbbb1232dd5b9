#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

#include <gtest/gtest.h>

// Gives every test its own folder, mapped as drive D:, and its own temp
// folder D:\temp\ (TMP), so tests never see each other's files.
class WorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // "D:\" followed by the relative path (either separator).
    QString winPath(const QString &relative = QString()) const;
    // The host path of the same place.
    QString hostPath(const QString &relative = QString()) const;
    // Host path of the temp folder, and the Windows form (with backslash).
    QString tempHostPath(const QString &relative = QString()) const;
    QString tempWinPath() const;

    void makeFolder(const QString &relative) const;
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    static QByteArray readHostFile(const QString &hostPath);
    // A file of the tests' data folder, by its path there ("reader/x.dat").
    static QByteArray testData(const QString &relative);

    // Process tests: the environment of a built program started here. Qt's
    // offscreen platform, this workspace as drive D:, its temp folder as
    // TMP, and, when named (relative to the workspace), the UI script to
    // follow and the file that logs the message boxes.
    QProcessEnvironment programEnvironment(const QString &script = QString(),
                                           const QString &log = QString()) const;
    // Runs a built program to its end on a UI script, written to run.script
    // of the workspace, with its message boxes logged to ui.log: its exit
    // code, as runProgram gives it, and what it printed in *output.
    int runScripted(const QString &programPath, const QStringList &arguments,
                    const QByteArray &script, QByteArray *output) const;
    // Copies the named programs, with every shared library of the program
    // folder but those left out, into a folder of the workspace: a program
    // folder of its own (the single-instance rule goes by the program's
    // path; a library can be left missing). Its host path.
    QString copyProgramFolder(const QString &relative, const QStringList &programs,
                              const QStringList &leftOut = QStringList()) const;

private:
    QTemporaryDir m_root;
    QByteArray m_savedTmp;
    QByteArray m_savedTemp;
};

// Texts as they read in failure messages.
void PrintTo(const QString &text, std::ostream *stream);

// UTF-16LE bytes of a text, with a byte-order mark in front when asked.
QByteArray utf16le(const QString &text, bool withBom = true);
