#include "shell/VersionCheck.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/Windows1252.h"

#include <QMetaObject>

#include <curl/curl.h>
#include <mutex>

namespace {

// The page holds 7 or 8 characters; anything much longer is not it.
constexpr qsizetype kMaxReplyBytes = 64 * 1024;

const QString kNoInternet = QStringLiteral("Unable to check for updates\nas there is no Internet connection available.");

size_t CurlWriteCallback(char* data, size_t size, size_t count, void* buffer)
{
    auto* reply = static_cast<QByteArray*>(buffer);
    const size_t bytes = size * count;
    if (reply->size() + qsizetype(bytes) > kMaxReplyBytes)
        return 0; // ends the transfer
    reply->append(data, qsizetype(bytes));
    return bytes;
}

void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

TransferResult transferResult(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return TransferResult::Ok;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return TransferResult::NoHost;
    case CURLE_OPERATION_TIMEDOUT:
        return TransferResult::TimedOut;
    default:
        return TransferResult::Failed;
    }
}

} // namespace

VersionNumber ParseVersionNumber(const QString& text)
{
    if (text.size() != 7 && text.size() != 8)
        return {};
    // The last part takes one or two digits; the others one each.
    const QString digits[4] = {text.mid(0, 1), text.mid(2, 1), text.mid(4, 1), text.mid(6)};
    qint32 value = 0;
    for (int i = 0; i < 4; ++i) {
        for (QChar c : digits[i]) {
            if (!isDigit(c))
                return {VersionParse::NotANumber, 0};
        }
        const qint32 part = StringToInt(digits[i]);
        if (part == kNotANumber)
            return {VersionParse::NotANumber, 0};
        value = value * 100 + part;
    }
    return {VersionParse::Number, value};
}

VersionPageRequest::VersionPageRequest(QString url, VersionCheckOptions options)
    : m_url(std::move(url)), m_options(std::move(options))
{
    initCurlOnce();
    m_multi = curl_multi_init();
}

VersionPageRequest::~VersionPageRequest()
{
    if (m_multi)
        curl_multi_cleanup(static_cast<CURLM*>(m_multi));
}

void VersionPageRequest::cancel()
{
    m_cancelled.store(true);
    if (m_multi)
        curl_multi_wakeup(static_cast<CURLM*>(m_multi));
}

HttpReply VersionPageRequest::run()
{
    HttpReply reply;
    auto* multi = static_cast<CURLM*>(m_multi);
    CURL* curl = multi ? curl_easy_init() : nullptr;
    if (!curl)
        return reply;
    const QByteArray address = m_url.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_options.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(m_options.overallTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CurlWriteCallback);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // An error page is not the version page.
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);

    // The multi interface, so that cancel() can wake the wait at any stage;
    // the name is resolved on libcurl's own thread, which it lets go on its
    // own when the request is cancelled.
    curl_multi_add_handle(multi, curl);
    CURLcode code = CURLE_FAILED_INIT;
    while (!m_cancelled.load()) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (running == 0) {
            int left = 0;
            while (const CURLMsg* message = curl_multi_info_read(multi, &left)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == curl)
                    code = message->data.result;
            }
            break;
        }
        if (curl_multi_poll(multi, nullptr, 0, 1000, nullptr) != CURLM_OK)
            break;
    }
    curl_multi_remove_handle(multi, curl);
    curl_easy_cleanup(curl);
    reply.result = m_cancelled.load() ? TransferResult::Cancelled : transferResult(code);
    return reply;
}

bool GetProductVersion(AppContext& context, const VersionCheckOptions& options)
{
    WaitCursor wait(context.ui);
    const QString own = options.productVersion.isEmpty() ? AppContext::builtVersion() : options.productVersion;
    context.report().productVersion = own;
    return true;
}

UpdateCheck::UpdateCheck(AppContext& context, VersionCheckOptions options, QObject* parent)
    : QObject(parent), m_context(context), m_options(std::move(options))
{
}

UpdateCheck::~UpdateCheck()
{
    *m_alive = false;
    cancel();
}

bool UpdateCheck::start(UpdateCheckKind kind, Done done)
{
    if (m_running)
        return false;
    m_running = true;
    m_kind = kind;
    m_done = std::move(done);
    if (kind == UpdateCheckKind::OnRequest) {
        m_context.ui.beginWaitCursor();
        m_waitCursor = true;
    }

    Report& report = m_context.report();
    GetProductVersion(m_context, m_options);
    report.versionText = QStringLiteral("Version: ") + report.productVersion;
    const QString& own = report.productVersion;
    if (own.size() == 7 || own.size() == 8) {
        m_context.ownVersion = 0;
        const VersionNumber number = ParseVersionNumber(own);
        if (number.parse != VersionParse::Number) {
            const std::shared_ptr<bool> alive = m_alive;
            m_context.ui.message(own.size() == 7
                                     ? QStringLiteral("Error - Version number does not convert to a valid integer.")
                                     : QStringLiteral("Error- Version number does not convert to a valid integer."));
            if (*alive)
                finish(UpdateCheckResult::OwnVersionInvalid);
            return true;
        }
        m_context.ownVersion = number.value;
    }

    report.noInternet = 0;
    auto request = std::make_shared<VersionPageRequest>(m_context.versionUrl(), m_options);
    m_request = request;
    const quint64 generation = ++m_generation;
    m_worker = std::thread([this, request, generation] {
        const HttpReply reply = request->run();
        // Queued to the check's own thread; dropped if the check has gone.
        QMetaObject::invokeMethod(this, [this, generation, reply] { fetched(generation, reply); }, Qt::QueuedConnection);
    });
    return true;
}

void UpdateCheck::stopWorker()
{
    if (m_request)
        m_request->cancel();
    if (m_worker.joinable())
        m_worker.join();
    m_request.reset();
}

void UpdateCheck::cancel()
{
    if (!m_running)
        return;
    ++m_generation;
    stopWorker();
    m_done = {};
    m_running = false;
    if (m_waitCursor) {
        m_waitCursor = false;
        m_context.ui.endWaitCursor();
    }
}

void UpdateCheck::fetched(quint64 generation, const HttpReply& reply)
{
    if (!m_running || generation != m_generation)
        return;
    stopWorker();

    // Every message box runs the event loop, in which the check may go.
    const std::shared_ptr<bool> alive = m_alive;
    const auto say = [this, &alive](const QString& text) {
        m_context.ui.message(text);
        return *alive;
    };

    Report& report = m_context.report();
    UpdateCheckResult result = UpdateCheckResult::TransferFailed;
    switch (reply.result) {
    case TransferResult::NoHost:
        report.noInternet = 1;
        if (say(kNoInternet))
            finish(UpdateCheckResult::NoInternet);
        return;
    case TransferResult::Ok: {
        result = UpdateCheckResult::Checked;
        report.versionReply = decodeWindows1252(reply.body);
        const VersionNumber latest = ParseVersionNumber(report.versionReply);
        if (latest.parse == VersionParse::NotANumber) {
            if (!say(QStringLiteral("Version number does not convert to a valid integer.")))
                return;
        } else if (latest.parse == VersionParse::Number) {
            report.latestVersion = latest.value;
        }
        break;
    }
    case TransferResult::TimedOut:
        result = UpdateCheckResult::TimedOut;
        break;
    case TransferResult::Failed:
    case TransferResult::Cancelled:
        // Nothing usable arrived: the last reply and latest version stand.
        break;
    }

    const bool newer = report.latestVersion > m_context.ownVersion;
    if (newer
        && !say(QStringLiteral("Version ") + report.versionReply +
                QStringLiteral(" is now available from our website. \n\nIt is recommended you use the Download "
                               "Update function from the Help menu and download the new version. \n\nOnce "
                               "downloaded, you can un-install this version and install and use the newer version. "
                               "\n\nSaved files and settings will not be affected.")))
        return;
    if (m_kind == UpdateCheckKind::OnRequest) {
        // Asked for an answer, the user learns why there is none rather than
        // an empty "Latest Version is".
        QString text;
        if (result == UpdateCheckResult::TimedOut)
            text = QStringLiteral("Unable to check for updates\nas the Torvek website did not answer in time.");
        else if (result == UpdateCheckResult::TransferFailed)
            text = QStringLiteral("Unable to check for updates\nas the Torvek website could not be reached.");
        else if (!newer)
            text = QStringLiteral("Latest Version is ") + report.versionReply;
        if (!text.isEmpty() && !say(text))
            return;
    }
    finish(result);
}

void UpdateCheck::finish(UpdateCheckResult result)
{
    m_running = false;
    if (m_waitCursor) {
        m_waitCursor = false;
        m_context.ui.endWaitCursor();
    }
    const Done done = std::move(m_done);
    m_done = {};
    if (done)
        done(result);
}
