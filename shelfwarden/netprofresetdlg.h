#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class NetProfResetDlg;
}

namespace shelfwarden {

class CShelfWardenApp;

// ShelfWarden's window (template 103): the user picks a bookshelf from the
// suite's list or by folder, sees the computers sharing and using it on the
// own-group and other-groups tabs, and removes one computer's entries.
class NetProfResetDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit NetProfResetDlg(CShelfWardenApp &app, QWidget *parent = nullptr);
    ~NetProfResetDlg() override;

private:
    void onShelfSelected();
    void onTabChanged(int tab);
    void onShelfMode();
    void onFolderMode();
    void onBrowse();
    void onChange();

    void selectShelf(int position);
    // Fills both lists from a NetProf.dat; on the first load an own group
    // without computers switches to the other groups' tab.
    void ReadUsageLists(const QString &profilePath);
    void showFolder();
    void clearLists();
    QString longDataDir(int position) const;
    QString removalQuestion(QString *computer, bool *fromSharingList) const;

    const std::unique_ptr<Ui::NetProfResetDlg> m_ui;
    CShelfWardenApp &m_app;
    const QString m_ownGroupSection;
    QString m_strFolder;
    int m_bShelfMode = 0;
    int m_nGroupTab = 0;
    int m_bFirstLoad = 1;
    // Preselected the next time the folder browser opens.
    QString m_browseSelection;
};

} // namespace shelfwarden
