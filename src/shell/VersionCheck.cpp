#include "shell/VersionCheck.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/FieldHelpers.h"
#include "report/Windows1252.h"

#include <QUrl>

#include <curl/curl.h>
#include <mutex>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/types.h>

namespace {

// The page holds 7 or 8 characters; anything much longer is not it.
constexpr qsizetype kMaxReplyBytes = 64 * 1024;

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

HttpReply HttpGetVersionPage(const QString& url, const VersionCheckOptions& options)
{
    initCurlOnce();
    HttpReply reply;
    CURL* curl = curl_easy_init();
    if (!curl)
        return reply;
    const QByteArray address = url.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(options.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(options.overallTimeout.count()));
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
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (code == CURLE_OK)
        reply.result = TransferResult::Ok;
    else
        reply.result = code == CURLE_OPERATION_TIMEDOUT ? TransferResult::TimedOut : TransferResult::Failed;
    return reply;
}

bool HasInternetConnection(const QString& url)
{
    const QString host = QUrl(url).host();
    if (host.isEmpty())
        return false;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int failed = getaddrinfo(host.toUtf8().constData(), nullptr, &hints, &found);
    if (found)
        freeaddrinfo(found);
    return failed == 0;
}

bool GetProductVersion(AppContext& context, const VersionCheckOptions& options)
{
    WaitCursor wait(context.ui);
    const QString own = options.productVersion.isEmpty() ? AppContext::builtVersion() : options.productVersion;
    context.report().productVersion = own;
    return true;
}

TransferResult CheckLatestVersion(AppContext& context, const VersionCheckOptions& options)
{
    WaitCursor wait(context.ui);
    const HttpReply reply = HttpGetVersionPage(context.versionUrl(), options);
    // Nothing usable arrived: the last reply and latest version stand.
    if (reply.result != TransferResult::Ok)
        return reply.result;
    Report& report = context.report();
    report.versionReply = decodeWindows1252(reply.body);
    const VersionNumber latest = ParseVersionNumber(report.versionReply);
    if (latest.parse == VersionParse::NotANumber)
        context.ui.message(QStringLiteral("Version number does not convert to a valid integer."));
    else if (latest.parse == VersionParse::Number)
        report.latestVersion = latest.value;
    return TransferResult::Ok;
}

UpdateCheckResult CheckInternetConnection(AppContext& context, const VersionCheckOptions& options)
{
    Report& report = context.report();
    report.noInternet = 0;
    WaitCursor wait(context.ui);
    if (!HasInternetConnection(context.versionUrl())) {
        report.noInternet = 1;
        context.ui.message(QStringLiteral("Unable to check for updates\nas there is no Internet connection available."));
        return UpdateCheckResult::NoInternet;
    }
    switch (CheckLatestVersion(context, options)) {
    case TransferResult::Ok:
        return UpdateCheckResult::Checked;
    case TransferResult::TimedOut:
        return UpdateCheckResult::TimedOut;
    case TransferResult::Failed:
        break;
    }
    return UpdateCheckResult::TransferFailed;
}

UpdateCheckResult CheckForUpdate(AppContext& context, const VersionCheckOptions& options)
{
    WaitCursor wait(context.ui);
    Report& report = context.report();
    GetProductVersion(context, options);
    report.versionText = QStringLiteral("Version: ") + report.productVersion;
    const QString& own = report.productVersion;
    if (own.size() == 7 || own.size() == 8) {
        context.ownVersion = 0;
        const VersionNumber number = ParseVersionNumber(own);
        if (number.parse != VersionParse::Number) {
            context.ui.message(own.size() == 7
                                   ? QStringLiteral("Error - Version number does not convert to a valid integer.")
                                   : QStringLiteral("Error- Version number does not convert to a valid integer."));
            return UpdateCheckResult::OwnVersionInvalid;
        }
        context.ownVersion = number.value;
    }
    const UpdateCheckResult result = CheckInternetConnection(context, options);
    if (result == UpdateCheckResult::NoInternet)
        return result;
    if (report.latestVersion > context.ownVersion) {
        context.ui.message(
            QStringLiteral("Version ") + report.versionReply +
            QStringLiteral(" is now available from our website. \n\nIt is recommended you use the Download Update "
                           "function from the Help menu and download the new version. \n\nOnce downloaded, you can "
                           "un-install this version and install and use the newer version. \n\nSaved files and "
                           "settings will not be affected."));
    }
    return result;
}
