#include "lodgement_import/dialogs/COrigEmp.h"
#include "lodgement_import/dialogs/LodgementImportDialogs.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(OrigEmpDialog, ShowsTheImportedFilesDetailsReadOnly)
{
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context(ui, files);
    context.report().origYear = QStringLiteral("2017");
    context.report().origVersion = QStringLiteral("0073");
    context.report().origSoftware = QStringLiteral("COMMERCIAL Torvek Quillastrand");

    COrigEmp dialog(context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"Quillastrand - Original VESK.A01 File Details");
    const std::pair<const char*, QString> edits[]
        = { { "origYear", "2017" }, { "origVersion", "7.3" }, { "origSoftware", "COMMERCIAL Torvek Quillastrand" } };
    for (const auto& [name, text] : edits) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->text(), text) << name;
        EXPECT_TRUE(edit->isReadOnly()) << name;
    }
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(LodgementImportRegistration, TheMainFormsNamesOpenTheDialogTheReaderAndTheTool)
{
    QtUserInterface qtUi;
    FaultyFileSystem files;
    AppContext context(qtUi, files);
    registerLodgementImportDialogs(qtUi, context);

    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->windowTitle();
            static_cast<QDialog*>(modal)->accept();
        }
    });
    EXPECT_EQ(qtUi.runDialog(QStringLiteral("COrigEmp")), int(QDialog::Accepted));
    EXPECT_EQ(opened, u"Quillastrand - Original VESK.A01 File Details");

    // The reader and the tool begin with a file dialog: closing it ends them.
    for (const QString& name : { QStringLiteral("OnBnClickedLoadA01"), QStringLiteral("OnFixA01LineBreaks") }) {
        QString title;
        QTimer::singleShot(0, [&title] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                title = modal->metaObject()->className();
                static_cast<QDialog*>(modal)->reject();
            }
        });
        EXPECT_NE(qtUi.runDialog(name), 0) << name.toStdString();
        EXPECT_EQ(title, u"QFileDialog") << name.toStdString();
    }
    EXPECT_TRUE(context.report().payees.empty());
}

} // namespace
