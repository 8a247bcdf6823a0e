#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QLocalSocket;

// One running window per user: a later start hands its file to the running Reelkeep over a local
// socket and ends. A request is the file's absolute path, its bytes as the system names the file
// (UTF-8 or not), after their count as four bytes (big-endian); an empty path only asks for the
// window. The server answers one byte once it holds the request.
namespace reelkeep {

// How long a later start waits for the running one to take its request.
inline constexpr int kHandOverTimeoutMs = 10'000;

// The socket of the user's running Reelkeep, in the user's runtime folder. One per data folder,
// the folder the recovery copy's lock is in, so a run with data of its own (a test) has its own.
QString InstanceServerName();

enum class HandOver { Delivered, NoInstance, NoAnswer };

// Gives file (absolute; empty to bring the window forward) to the Reelkeep listening on name.
HandOver HandToRunningInstance(const QString& name, const QString& file, int timeoutMs);

// The running Reelkeep's side: takes requests, answers each well-formed one, and hands them on
// only while the window is free to act on them, in the order they came.
class CInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit CInstanceServer(QObject* parent = nullptr);

    // Listens on name, taking it over from a run that ended without closing it.
    bool Listen(const QString& name);
    // Until this is set, requests wait.
    void SetFreeCheck(std::function<bool()> isFree);

signals:
    // A well-formed request came (to bring the window forward at once).
    void knocked();
    // The window is free: open file (empty: nothing to open).
    void requested(const QString& file);

private:
    void Accept();
    void Read(QLocalSocket& socket);
    void DeliverWhenFree();

    QLocalServer server_;
    std::function<bool()> isFree_;
    QStringList pending_;
    QTimer retry_;
};

enum class InstanceClaim {
    Serving,     // no Reelkeep was running: this one listens now
    HandedOver,  // the running one took the request
    NoAnswer,    // one is running but did not answer in time
    Alone,       // no socket could be had: this one runs without one
};

// Hands file to the running Reelkeep, or becomes the one that runs. Two starts at once take
// turns, so only one of them listens.
InstanceClaim ClaimOrHandOver(CInstanceServer& server, const QString& name, const QString& file,
                              int timeoutMs = kHandOverTimeoutMs);

}  // namespace reelkeep
