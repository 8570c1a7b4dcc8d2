#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <chrono>

class AppContext;

// How long the version request may take. A server that accepts and then
// stalls must not hold up start-up, so there is an overall limit as well as
// the one on connecting.
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

// One HTTP GET of the version page through libcurl. Certificates are
// verified; the body is collected up to a small limit.
enum class TransferResult { Ok, TimedOut, Failed };
struct HttpReply {
    TransferResult result = TransferResult::Failed;
    QByteArray body;
};
HttpReply HttpGetVersionPage(const QString& url, const VersionCheckOptions& options);

// Stands in for the system's connected-state query: the host of the address
// must at least resolve before a request is worth making.
bool HasInternetConnection(const QString& url);

// What became of a check.
enum class UpdateCheckResult { OwnVersionInvalid, NoInternet, TimedOut, TransferFailed, Checked };

// Reads the program's own version into the report state.
bool GetProductVersion(AppContext& context, const VersionCheckOptions& options = {});

// The version check of start-up and of Check for Update: reads the own
// version, tests the connection, fetches the latest version and announces a
// newer one. A failed transfer says nothing here.
UpdateCheckResult CheckForUpdate(AppContext& context, const VersionCheckOptions& options = {});

// The connection test, then the fetch.
UpdateCheckResult CheckInternetConnection(AppContext& context, const VersionCheckOptions& options = {});

// One request for the version page; a usable reply updates the latest
// version of the report state.
TransferResult CheckLatestVersion(AppContext& context, const VersionCheckOptions& options = {});
