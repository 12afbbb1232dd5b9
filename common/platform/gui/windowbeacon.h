#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

// FindWindowW by title and bringing that window forward, across processes.
//
// The first instance of a program announces its top-level window:
//
//     NetProfResetDlg dialog;                 // title "共有本棚の利用情報確認"
//     win::WindowBeacon beacon(&dialog);
//     dialog.exec();                          // the beacon answers while the
//                                             // event loop runs
//
// A second instance, finding the named mutex taken, asks for it:
//
//     if (mutex.create(name) == win::NamedMutex::Result::AlreadyExists) {
//         win::bringWindowForward(QStringLiteral("共有本棚の利用情報確認"));
//         return 0;
//     }
//
// Only one beacon per title answers in a user's session; a beacon left by
// a process that died is taken over by the next one.
namespace win {

class WindowBeacon final : public QObject
{
    Q_OBJECT

public:
    // Announces window under its current title until the beacon is
    // destroyed. Should the window go first, requests are still answered
    // as found, with nothing left to raise.
    explicit WindowBeacon(QWidget *window, QObject *parent = nullptr);
    ~WindowBeacon() override;

    // False when another live process already announces a window of that
    // title, or the announcement failed.
    bool isAnnounced() const;

    // Where a beacon for that title listens (a local socket in the
    // session's runtime folder).
    static QString serverPath(const QString &title);

private:
    void answer();

    QPointer<QWidget> m_window;
    QLocalServer *m_server = nullptr;
};

// Finds the top-level window announced under that title; when it is
// enabled, restores it if minimised and raises and activates it. Returns
// whether a window was found. Waits at most a few seconds for the other
// process to answer.
bool bringWindowForward(const QString &title);

} // namespace win
