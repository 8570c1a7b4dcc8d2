#pragma once

#include "report/CCards.h"
#include "report/CPayers.h"
#include "report/CSumbridge1Doc.h"
#include "report/Preferences.h"
#include "report/Report.h"

#include <QString>

#include <chrono>
#include <memory>

class FileSystem;
class UserInterface;

// Folders proved writable since start (by a Browse or a Save of the
// Preferences), so they are not probed again.
struct KnownWritable {
    bool reports = false;
    bool lodgement = false;
    bool payerList = false;
    bool pdf = false;
};

// What outlives a report: the preferences, the Payer List, the remembered
// sort, the program's version and web addresses. It owns the open report
// and hands both to whoever needs them.
class AppContext {
public:
    AppContext(UserInterface& ui, FileSystem& files);
    ~AppContext();

    UserInterface& ui;
    FileSystem& files;

    Report& report() { return *m_report; }
    const Report& report() const { return *m_report; }

    CSumbridge1Doc document;
    Preferences prefs;
    PayerMap payers;
    // The payee being edited, and the key it was loaded under.
    CCards currentPayee;
    qint32 currentPayeeKey = 0;
    // The type Add Payee chose (1 INB .. 7 DAS), 0 for none; not in the report file.
    qint32 addPayeeType = 0;

    // Shared by every sortable list; not in the report file.
    qint32 sortColumn = 1;
    qint32 sortAscending = 1;

    // Payees the last Check All marked "Error" or could not check.
    qint32 checkErrorCount = 0;

    KnownWritable writable;

    // How long a change to the Payer List waits while another copy of the
    // program holds the lock beside its file.
    std::chrono::milliseconds payerListLockWait { 5000 };

    qint32 ownVersion = 0;
    // The maker's web server: one place, so tests can point it elsewhere.
    QString webBase = QStringLiteral("http://www.torvek.com.au");
    QString versionUrl() const { return webBase + QStringLiteral("/veskq/versioncheck/release4version.html"); }
    QString updatesUrl() const { return webBase + QStringLiteral("/veskq/Release4Updates508wkqr6/"); }
    QString homeUrl() const { return webBase + QStringLiteral("/index.php"); }
    QString helpUrl() const { return webBase + QStringLiteral("/veskq/quillastrandR3help/index.html"); }

    // The version this program was built as, e.g. "4.0.0.0".
    static QString builtVersion();

private:
    std::unique_ptr<Report> m_report;
};
