// Not a test: draws the main window and a few dialogs to PNG files, for the
// README and for looking over the layout (scripts/screenshots.sh runs it).
// Usage: quillastrand_screenshots <folder>

#include "lodgement/PdfServices.h"
#include "lodgement/dialogs/CGenerate1.h"
#include "payees/PayeeServices.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeeList.h"
#include "payers/PayerListFile.h"
#include "payers/PayerTestKit.h"
#include "payers/dialogs/CAddPayer.h"
#include "payers/dialogs/CPayerList.h"
#include "shell/ReportCommands.h"
#include "shell/dialogs/CMainFrame.h"
#include "support/TestScreens.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

namespace {

bool save(QWidget& window, const QString& folder, const char* name)
{
    // Sized as the program opens its dialogs.
    if (qobject_cast<QDialog*>(&window))
        fitWidthToTitle(&window);
    window.show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    const bool saved = window.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

void type(QWidget& dialog, const char* name, const QString& text)
{
    if (auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name)))
        edit->setText(text);
}

} // namespace

int main(int argc, char* argv[])
{
    // Offscreen, with a 1600 x 1000 screen for the payee form.
    std::unique_ptr<QTemporaryFile> screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen")
        screens = useOffscreenTestScreens();
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: quillastrand_screenshots <folder>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;

    PayerWorld w;
    w.writeLive(WritePayerList({{kAcmeKey, acmeEntry()}}));

    // The main window of a report with its payer, year and supplier.
    {
        Report& r = w.report();
        const CPayers acme = acmeEntry();
        r.payerKey = kAcmeKey;
        r.payerName = acme.name;
        r.payerAbn = acme.abn;
        r.reportYear = QStringLiteral("2026");
        r.priorYear = QStringLiteral("2025");
        r.reportYearNumber = 2026;
        r.supplierName = QStringLiteral("Acme Payroll Services Pty Ltd");
        r.supplierAbn = QStringLiteral("53004085616");
        r.fileReference = QStringLiteral("REF-2026");
        for (qint32 id : {1, 2, 3}) {
            CCards card;
            card.payeeId = id;
            card.payeeType = QStringLiteral("INB");
            card.checked = QStringLiteral("Yes");
            r.payees[id] = card;
        }
        r.payeeCount = 3;
        r.payeesChecked = 3;
        r.payeeCountText = QStringLiteral("3");
        w.context.document.title = QStringLiteral("Acme 2026");
        CMainFrame* frame = nullptr;
        CSumbridge1App commands(w.context, [&frame] {
            if (frame)
                frame->RefreshView();
        });
        CMainFrame window(w.context, commands);
        frame = &window;
        window.RefreshView();
        ok = save(window, folder, "main-window.png") && ok;
    }

    {
        CPayerList list(w.context);
        ok = save(list, folder, "payer-list.png") && ok;
    }

    // The Payee List with a payee of each type.
    {
        Report& r = w.report();
        const char* types[] = { "INB", "BUS", "ETP", "FEI", "PEN", "SLS", "DAS" };
        const char* surnames[] = { "Nguyen", "Okafor", "Papadopoulos", "Quinn", "Rossi", "Singh", "Tanaka" };
        const auto kept = r.payees;
        r.payees.clear();
        for (qint32 i = 0; i < 7; ++i) {
            CCards card;
            card.payeeId = i + 1;
            card.payeeType = QString::fromLatin1(types[i]);
            card.surname = QString::fromLatin1(surnames[i]);
            card.firstName = QStringLiteral("Alex");
            card.tfn = QStringLiteral("123456782");
            card.gross = 52000 + 1000 * i;
            card.taxWithheld = 9000 + 100 * i;
            card.checked = QStringLiteral("Yes");
            r.payees[card.payeeId] = card;
        }
        CPayeeList list(w.context, noPayeeServices(), noPdfServices());
        ok = save(list, folder, "payee-list.png") && ok;
        r.payees = kept;
    }

    // A new INB payee's form as it opens on a 1600 x 1000 screen.
    {
        w.report().payeeMode = 4;
        CPayeeINB inb(w.context);
        if (QScreen* screen = testScreen(QSize(1600, 1000))) {
            inb.setScreen(screen);
            inb.move(screen->availableGeometry().topLeft());
        }
        ok = save(inb, folder, "inb-form.png") && ok;
        w.report().payeeMode = 0;
    }

    // Add Payer after a Save that refused three fields.
    {
        CAddPayer add(w.context);
        const PayerFields f = validPayerFields();
        type(add, "name", QStringLiteral("Harbourside Catering Pty Ltd"));
        type(add, "abn", QStringLiteral("51 824 753 557"));
        type(add, "address1", f.address1);
        type(add, "suburb", f.suburb);
        type(add, "postcode", QStringLiteral("80"));
        type(add, "contact", f.contact);
        if (auto* state = add.findChild<QComboBox*>(QStringLiteral("state")))
            state->setCurrentIndex(state->findText(f.state));
        add.show();
        if (auto* saveButton = add.findChild<QPushButton*>(QStringLiteral("save")))
            saveButton->click();
        ok = save(add, folder, "add-payer.png") && ok;
    }

    {
        CGenerate1 generate(w.context, noPdfServices());
        ok = save(generate, folder, "generate-files.png") && ok;
    }
    return ok ? 0 : 1;
}
