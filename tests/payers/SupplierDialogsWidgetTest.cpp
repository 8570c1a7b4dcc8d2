#include "payers/FileRefDetails.h"
#include "payers/dialogs/FileRefDialog.h"
#include "payers/dialogs/SupplierDialog.h"
#include "payers/dialogs/SupplierDialogs.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

class SupplierDialogs : public ::testing::Test
{
protected:
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context { ui, files };

    template <class T> static T* child(QWidget& parent, const char* name)
    {
        T* widget = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void click(QWidget& parent, const char* name) { child<QPushButton>(parent, name)->click(); }
};

TEST_F(SupplierDialogs, SupplierOpensEmptyForANewReport)
{
    CSupplier dialog(context);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Supplier Details"));
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(child<QComboBox>(dialog, "supplierState")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(dialog, "supplierState")->count(), 9);
    EXPECT_TRUE(child<QPushButton>(dialog, "loadFromA01Button")->isHidden());
    EXPECT_TRUE(child<QLineEdit>(dialog, "supplierGatewayId")->isHidden());
    for (ErrorMarker* marker : dialog.findChildren<ErrorMarker*>())
        EXPECT_TRUE(marker->isHidden());
    EXPECT_EQ(dialog.findChildren<ErrorMarker*>().size(), 18);
    EXPECT_EQ(child<QLineEdit>(dialog, "supplierAbn")->toolTip(),
        QStringLiteral("Enter Supplier's ABN in this format XX XXX XXX XXX"));
    EXPECT_TRUE(child<QPushButton>(dialog, "updateButton")->isDefault());
    EXPECT_EQ(child<MyGroupBox>(dialog, "streetGroup")->title(), QStringLiteral("Supplier Street Address"));
}

TEST_F(SupplierDialogs, SupplierShowsTheCommittedSupplierAndTheImportButton)
{
    Report& r = context.report();
    r.supplierFieldsSaved[0] = QStringLiteral("Acme");
    r.supplierFieldsSaved[1] = QStringLiteral("51824753556");
    r.supplierFieldsSaved[5] = QStringLiteral("VIC");
    r.supplierFieldsSaved[11] = QStringLiteral("OTH");
    r.fromLodgementFile = QStringLiteral("Yes");
    CSupplier dialog(context);
    EXPECT_EQ(child<QLineEdit>(dialog, "supplierName")->text(), QStringLiteral("Acme"));
    EXPECT_EQ(child<QLineEdit>(dialog, "supplierAbn")->text(), QStringLiteral("51 824 753 556"));
    EXPECT_EQ(child<QComboBox>(dialog, "supplierState")->currentText(), QStringLiteral("VIC"));
    EXPECT_EQ(child<QComboBox>(dialog, "supplierPostalState")->currentText(), QStringLiteral("OTH"));
    EXPECT_FALSE(child<QPushButton>(dialog, "loadFromA01Button")->isHidden());

    r.origSupplierName = QStringLiteral("From File");
    click(dialog, "loadFromA01Button");
    EXPECT_EQ(child<QLineEdit>(dialog, "supplierName")->text(), QStringLiteral("From File"));
    EXPECT_EQ(r.supplierFieldsSaved[0], QStringLiteral("Acme"));
}

TEST_F(SupplierDialogs, RefusedUpdateShowsMarkersAndStaysOpen)
{
    CSupplier dialog(context);
    dialog.show();
    click(dialog, "updateButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.texts(),
        QStringList { QStringLiteral("Please correct all fields marked with an 'E' and press Update again.") });
    EXPECT_FALSE(child<ErrorMarker>(dialog, "supplierNameMarker")->isHidden());
    EXPECT_FALSE(child<ErrorMarker>(dialog, "supplierPostalStateMarker")->isHidden());
    EXPECT_TRUE(child<ErrorMarker>(dialog, "supplierFaxMarker")->isHidden());
}

TEST_F(SupplierDialogs, UpdateFromTheWidgetsCommitsAndCloses)
{
    CSupplier dialog(context);
    const std::pair<const char*, const char*> typed[] = {
        { "supplierName", "Acme  Payroll" },
        { "supplierAbn", "51824753556" },
        { "supplierAddress1", "1 Main St" },
        { "supplierSuburb", "Darwin" },
        { "supplierPostcode", "800" },
        { "supplierPostalAddress1", "PO Box 1" },
        { "supplierPostalSuburb", "Darwin" },
        { "supplierPostalPostcode", "0801" },
        { "supplierContact", "Jo" },
        { "supplierPhone", "08 8900 0000" },
    };
    for (const auto& [name, text] : typed)
        child<QLineEdit>(dialog, name)->setText(QString::fromUtf8(text));
    child<QComboBox>(dialog, "supplierState")->setCurrentText(QStringLiteral("NT"));
    child<QComboBox>(dialog, "supplierPostalState")->setCurrentText(QStringLiteral("NT"));
    click(dialog, "updateButton");
    EXPECT_TRUE(ui.messages.empty()) << ui.texts().join(u'|').toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(context.report().supplierFieldsSaved[0], QStringLiteral("Acme Payroll"));
    EXPECT_EQ(context.report().supplierFieldsSaved[5], QStringLiteral("NT"));
    EXPECT_EQ(context.report().supplierFieldsSaved[19], QStringLiteral("checked"));
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(SupplierDialogs, EscapeWithAChangeAsksAndNoLeavesTheReport)
{
    const Report before = context.report();
    CSupplier dialog(context);
    dialog.show();
    child<QLineEdit>(dialog, "supplierName")->setText(QStringLiteral("Typed"));
    ui.answer(Answer::No);
    dialog.reject();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(context.report() == before);
}

TEST_F(SupplierDialogs, FileRefStoresTheCleanedReference)
{
    context.report().fileReference = QStringLiteral("OLD");
    CFileRef1 dialog(context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Supplier File Reference"));
    EXPECT_EQ(child<QLabel>(dialog, "noteLabel")->text(), kFileRefAtoNote);
    auto* edit = child<QLineEdit>(dialog, "fileReference");
    EXPECT_EQ(edit->text(), QStringLiteral("OLD"));

    edit->setText(QStringLiteral("bad.ref"));
    click(dialog, "okButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(context.report().fileReference, QStringLiteral("OLD"));
    EXPECT_EQ(ui.messages.size(), 1u);

    edit->setText(QStringLiteral("  a   b  "));
    click(dialog, "okButton");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(context.report().fileReference, QStringLiteral("a b"));
    EXPECT_TRUE(context.document.IsModified());
}

TEST_F(SupplierDialogs, FileRefCancelChangesNothing)
{
    CFileRef1 dialog(context);
    dialog.show();
    child<QLineEdit>(dialog, "fileReference")->setText(QStringLiteral("new"));
    click(dialog, "cancelButton");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(context.report().fileReference.isEmpty());
    EXPECT_FALSE(context.document.IsModified());
}

TEST(SupplierDialogRegistration, BothDialogsRunByClassName)
{
    QtUserInterface qtUi;
    FaultyFileSystem files;
    AppContext context(qtUi, files);
    registerSupplierDialogs(qtUi, context);
    for (const QString& name : { QStringLiteral("CSupplier"), QStringLiteral("CFileRef1") }) {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->windowTitle();
                static_cast<QDialog*>(modal)->reject();
            }
        });
        EXPECT_EQ(qtUi.runDialog(name), int(QDialog::Rejected));
        EXPECT_FALSE(opened.isEmpty()) << name.toStdString();
    }
}

} // namespace
