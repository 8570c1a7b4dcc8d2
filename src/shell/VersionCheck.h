#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

class AppContext;

// How long the version request may take. A server that accepts and then
// stalls must not leave a check outstanding for ever, so there is an overall
// limit as well as the one on connecting.
struct VersionCheckOptions {
    std::chrono::milliseconds connectTimeout{20000};
    std::chrono::milliseconds overallTimeout{30000};
    // The version this program reports as its own.
    QString productVersion = QString();
};

// The version number rule, shared by the own version and the version page:
// "4.0.1.2" (7 characters) or "4.0.0.10" (8 characters), digits at
// characters 1, 3, 5 and 7 (and 8); what stands between is not examined.
// The value compares part by part, so "4.0.0.10" is older than "4.1.0.0".
enum class VersionParse { WrongLength, NotANumber, Number };
struct VersionNumber {
    VersionParse parse = VersionParse::WrongLength;
    qint32 value = 0;
};
VersionNumber ParseVersionNumber(const QString& text);

// NoHost: the name of the server did not resolve, which stands for the
// system's "no internet connection"; no request was made.
enum class TransferResult { Ok, NoHost, TimedOut, Failed, Cancelled };
struct HttpReply {
    TransferResult result = TransferResult::Failed;
    QByteArray body;
};

// One HTTP GET of the version page through libcurl, made to run on a worker
// thread: run() blocks until the transfer ends, cancel() (from any thread)
// ends it within moments, whatever stage it is at. Certificates are
// verified; the body is collected up to a small limit.
class VersionPageRequest {
public:
    VersionPageRequest(QString url, VersionCheckOptions options);
    ~VersionPageRequest();
    VersionPageRequest(const VersionPageRequest&) = delete;
    VersionPageRequest& operator=(const VersionPageRequest&) = delete;

    HttpReply run();
    void cancel();

private:
    QString m_url;
    VersionCheckOptions m_options;
    void* m_multi = nullptr;
    std::atomic<bool> m_cancelled{false};
};

// What became of a check.
enum class UpdateCheckResult { OwnVersionInvalid, NoInternet, TimedOut, TransferFailed, Checked };

// At start-up only a newer version is announced; asked for from the menu or
// the About box, the check also says which version is the latest, or why
// there is no answer, and shows the wait cursor until it has one.
enum class UpdateCheckKind { AtStartup, OnRequest };

// Reads the program's own version into the report state.
bool GetProductVersion(AppContext& context, const VersionCheckOptions& options = {});

// The version check. start() reads the own version (a bad one is reported
// at once and ends the check), then fetches the version page on a worker
// thread while the event loop goes on. When the reply arrives, on the thread
// that started the check, it is read into the report state, its messages are
// shown and `done` runs. Destroying the check, or cancel(), ends the request
// without any message.
class UpdateCheck : public QObject {
public:
    using Done = std::function<void(UpdateCheckResult)>;

    explicit UpdateCheck(AppContext& context, VersionCheckOptions options = {}, QObject* parent = nullptr);
    ~UpdateCheck() override;

    // False, and nothing done, while a check is under way.
    bool start(UpdateCheckKind kind, Done done = {});
    bool running() const { return m_running; }
    void cancel();

private:
    void fetched(quint64 generation, const HttpReply& reply);
    void finish(UpdateCheckResult result);
    void stopWorker();

    AppContext& m_context;
    VersionCheckOptions m_options;
    UpdateCheckKind m_kind = UpdateCheckKind::AtStartup;
    Done m_done;
    bool m_running = false;
    bool m_waitCursor = false;
    // Tells a reply of a cancelled request from the current one.
    quint64 m_generation = 0;
    std::shared_ptr<VersionPageRequest> m_request;
    std::thread m_worker;
    // Cleared when the check goes, so that code returning from a message box
    // shown by the check does not touch it afterwards.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
