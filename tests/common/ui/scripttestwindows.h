#pragma once

#include "ui/propertypage.h"
#include "ui/scripttickable.h"
#include "ui/wizardsheet.h"

#include <QDialog>
#include <QStringList>
#include <QTreeWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QTabWidget;

// Windows for scripted runs, with a handler behind each control that
// records what it saw in events.

// A folder tree whose items scripts tick by path.
class FolderTree : public QTreeWidget, public ui::ScriptTickable
{
public:
    explicit FolderTree(const QStringList &folders);
    bool tickPath(const QString &windowsPath) override;
    bool isTicked(const QString &windowsPath) const;

private:
    QTreeWidgetItem *item(const QString &windowsPath) const;
};

// Pages 10 (folder box 1001 with browse 1000), 20 (combo 1006, list 1008,
// tabs 1010, tree 1024) and 30 (check box 1004, Finish).
class ScriptWizard : public ui::WizardSheet
{
public:
    ScriptWizard();

    QLineEdit *folderEdit() const;
    FolderTree *tree() const;

    QStringList events;
};

// A plain dialog: list 1008, a button 1004 asking about the selection, a
// sorted report list 1013, a read-only edit 1007 and the exit button 2.
class ScriptDialog : public QDialog
{
public:
    ScriptDialog();

    QListWidget *list() const { return m_list; }

    QStringList events;

private:
    QListWidget *m_list;
};
