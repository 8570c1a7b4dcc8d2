#pragma once

#include "payers/PayerValidation.h"
#include "report/AppContext.h"
#include "report/CPayers.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

// A Payer List folder of its own, a scripted user, a profile of its own.
template <class Ui = ScriptedUi> struct PayerWorldOf {
    TestProfile profile;
    QTemporaryDir dir;
    FaultyFileSystem files;
    Ui ui;
    AppContext context { ui, files };

    PayerWorldOf()
    {
        context.prefs.defaultFolder = dir.path();
        context.prefs.pathPayerListFile = dir.path();
    }

    Report& report() { return context.report(); }
    QString livePath() const { return dir.path() + QStringLiteral("/LivePayerList.mpl"); }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray liveBytes() const { return read(livePath()); }
    void writeLive(const QByteArray& bytes) const { write(livePath(), bytes); }
};
using PayerWorld = PayerWorldOf<>;

// A user interface whose answer to one message is an exception, standing in
// for any unexpected failure in the middle of a handler.
class FailingUi : public ScriptedUi
{
public:
    QString failOn;
    bool throwStandard = true;

    Answer message(const QString& text, MessageButtons buttons, MessageIcon icon) override
    {
        const Answer a = ScriptedUi::message(text, buttons, icon);
        if (!failOn.isEmpty() && text == failOn) {
            failOn.clear();
            if (throwStandard)
                throw std::runtime_error("injected");
            throw 42;
        }
        return a;
    }
};

// The two entries of the fixture two_payers.mpl.
inline CPayers wpnEntry()
{
    CPayers p;
    p.ref = QStringLiteral("B-7");
    p.name = QStringLiteral("Bee Family Trust");
    p.abn = QStringLiteral("00123456782");
    p.branch = QStringLiteral("000");
    p.address1 = QStringLiteral("PO Box 12");
    p.suburb = QStringLiteral("Alice Springs");
    p.state = QStringLiteral("NT");
    p.postcode = QStringLiteral("870");
    p.contact = QStringLiteral("Bea Jones");
    p.phone = QStringLiteral("08 8952 0000");
    p.fax = QStringLiteral("08 8952 0001");
    p.date = 1546300800;
    return p;
}
inline const QString kWpnKey = QStringLiteral("00123456782000");

inline CPayers acmeEntry()
{
    CPayers p;
    p.ref = QStringLiteral("R1");
    p.name = QStringLiteral("Acme Caf\u00e9 Pty Ltd");
    p.tradingName = QStringLiteral("Acme");
    p.abn = QStringLiteral("51824753556");
    p.reserved5 = QStringLiteral("legacy");
    p.branch = QStringLiteral("001");
    p.address1 = QStringLiteral("1 Main St");
    p.address2 = QStringLiteral("Level 2");
    p.suburb = QStringLiteral("Darwin");
    p.state = QStringLiteral("NT");
    p.postcode = QStringLiteral("0800");
    p.contact = QStringLiteral("Jo Smith");
    p.phone = QStringLiteral("08 8999 1234");
    p.date = 1530316800;
    return p;
}
inline const QString kAcmeKey = QStringLiteral("51824753556001");

// Fields that pass every rule.
inline PayerFields validPayerFields()
{
    PayerFields f;
    f.name = QStringLiteral("Acme Pty Ltd");
    f.abn = QStringLiteral("51 824 753 556");
    f.branch = QStringLiteral("001");
    f.address1 = QStringLiteral("1 Main St");
    f.suburb = QStringLiteral("Darwin");
    f.state = QStringLiteral("NT");
    f.postcode = QStringLiteral("0800");
    f.contact = QStringLiteral("Jo Smith");
    f.phone = QStringLiteral("08 8999 1234");
    return f;
}

// What an import asks about a key the Payer List holds, after the key and name.
inline const QString kReplaceQuestionTail = QStringLiteral(
    "\n\nThis Payer with this ABN/Branch combination already exists in the Payer List.\r\n\r\nDo you want to "
    "replace with the imported Payer.");

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
