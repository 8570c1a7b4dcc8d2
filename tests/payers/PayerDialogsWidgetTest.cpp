#include "payers/PayerListFile.h"
#include "payers/PayerTestKit.h"
#include "payers/dialogs/CAddPayer.h"
#include "payers/dialogs/CEditPayer.h"
#include "payers/dialogs/CPayer.h"
#include "payers/dialogs/CPayerList.h"
#include "widgets/CSortListCtrl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

void type(QWidget& dialog, const char* name, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->setText(text);
}

QString shown(QWidget& dialog, const char* name)
{
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    return edit ? edit->text() : QStringLiteral("<missing>");
}

void click(QWidget& dialog, const char* name)
{
    auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

QStringList visibleMarkers(QWidget& dialog)
{
    QStringList names;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->objectName().endsWith(QLatin1String("Marker")) && !label->isHidden())
            names << label->objectName();
    }
    names.sort();
    return names;
}

void fillValid(QWidget& dialog)
{
    const PayerFields f = validPayerFields();
    type(dialog, "name", f.name);
    type(dialog, "abn", f.abn);
    type(dialog, "address1", f.address1);
    type(dialog, "suburb", f.suburb);
    type(dialog, "postcode", f.postcode);
    type(dialog, "contact", f.contact);
    type(dialog, "phone", f.phone);
    auto* state = dialog.findChild<QComboBox*>(QStringLiteral("state"));
    ASSERT_NE(state, nullptr);
    state->setCurrentIndex(state->findText(f.state));
}

TEST(PayerDialogs, AddPayerSavesTheTypedEntry)
{
    PayerWorld w;
    CAddPayer dialog(w.context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Payer List - Add Payer"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("loadFromOriginal"))->isHidden());
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("branch"))->currentText(), QStringLiteral("001"));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("state"))->currentIndex(), -1);
    EXPECT_FALSE(shown(dialog, "abn").isNull());
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("abn"))->toolTip(),
        QStringLiteral("Enter Payer's ABN/WPN in this format XX XXX XXX XXX"));
    fillValid(dialog);
    click(dialog, "save");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(w.context.payers.contains(kAcmeKey));
    EXPECT_EQ(w.context.payers.at(kAcmeKey).state, QStringLiteral("NT"));
    EXPECT_EQ(w.liveBytes(), WritePayerList(w.context.payers));
}

TEST(PayerDialogs, AddPayerMarksRefusedFieldsAndStaysOpen)
{
    PayerWorld w;
    CAddPayer dialog(w.context);
    dialog.show();
    fillValid(dialog);
    type(dialog, "name", QStringLiteral("  Acme   Pty "));
    type(dialog, "phone", QString());
    type(dialog, "country", QStringLiteral("aus"));
    click(dialog, "save");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(visibleMarkers(dialog), (QStringList { QStringLiteral("countryMarker"), QStringLiteral("phoneMarker") }));
    EXPECT_EQ(shown(dialog, "name"), QStringLiteral("Acme Pty"));
    EXPECT_EQ(shown(dialog, "country"), QStringLiteral("AUS"));
    EXPECT_EQ(shown(dialog, "abn"), QStringLiteral("51 824 753 556"));
    EXPECT_TRUE(w.context.payers.empty());

    type(dialog, "phone", QStringLiteral("08 8999 1234"));
    type(dialog, "country", QString());
    click(dialog, "save");
    EXPECT_TRUE(visibleMarkers(dialog).isEmpty());
    EXPECT_EQ(w.context.payers.size(), 1u);
}

TEST(PayerDialogs, AddPayerOffersTheImportedPayer)
{
    PayerWorld w;
    w.report().fromLodgementFile = QStringLiteral("Yes");
    w.report().origPayerAbn = QStringLiteral("51824753556");
    w.report().origPayerState = QStringLiteral("QLD");
    CAddPayer dialog(w.context);
    dialog.show();
    auto* load = dialog.findChild<QPushButton*>(QStringLiteral("loadFromOriginal"));
    ASSERT_FALSE(load->isHidden());
    load->click();
    EXPECT_EQ(shown(dialog, "abn"), QStringLiteral("51 824 753 556"));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("state"))->currentText(), QStringLiteral("QLD"));
}

TEST(PayerDialogs, EditPayerShowsTheEntry)
{
    PayerWorld w;
    w.context.payers = { { kAcmeKey, acmeEntry() } };
    w.writeLive(WritePayerList(w.context.payers));
    w.report().payerJustAddedKey = kAcmeKey;
    CEditPayer dialog(w.context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Payer List - Edit Payer"));
    EXPECT_EQ(shown(dialog, "abn"), QStringLiteral("51 824 753 556"));
    EXPECT_EQ(shown(dialog, "address2"), QStringLiteral("Level 2"));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("state"))->currentText(), QStringLiteral("NT"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("loadFromOriginal"))->isHidden());
    type(dialog, "name", QStringLiteral("Acme Pty Ltd"));
    click(dialog, "save");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(w.context.payers.at(kAcmeKey).name, QStringLiteral("Acme Pty Ltd"));
}

TEST(PayerDialogs, PayerListTicksOneRowAtATime)
{
    PayerWorld w;
    w.writeLive(WritePayerList({ { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } }));
    w.report().payerKey = kWpnKey;
    CPayerList dialog(w.context);
    dialog.show();
    CSortListCtrl* list = dialog.list();
    ASSERT_EQ(list->rowCount(), 2);
    // Sorted by Legal Name: "Acme..." before "Bee...".
    EXPECT_EQ(list->rowText(0, 0), kAcmeKey);
    EXPECT_EQ(list->rowText(0, 4), QStringLiteral("51 824 753 556"));
    EXPECT_TRUE(list->isChecked(1));
    EXPECT_FALSE(list->isChecked(0));
    // The user ticks Acme's box, as a click on it does.
    QAbstractItemModel* model = list->model();
    ASSERT_TRUE(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(list->isChecked(1));
    EXPECT_TRUE(list->isChecked(0));
    EXPECT_EQ(model->index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);

    click(dialog, "selectForReport");
    EXPECT_EQ(w.report().payerKey, kAcmeKey);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(w.context.document.IsModified());
}

TEST(PayerDialogs, PayerListRemoveAsksAndRefreshes)
{
    PayerWorld w;
    w.writeLive(WritePayerList({ { kAcmeKey, acmeEntry() }, { kWpnKey, wpnEntry() } }));
    w.report().payerKey = kWpnKey;
    CPayerList dialog(w.context);
    dialog.show();
    w.ui.answer(Answer::Yes);
    click(dialog, "remove");
    ASSERT_EQ(dialog.list()->rowCount(), 1);
    EXPECT_TRUE(dialog.list()->isChecked(0));
    EXPECT_EQ(w.report().payerNotInList, 2);
    click(dialog, "close");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PayerDialogs, PayerDetailsShowsTheReportsPayerReadOnly)
{
    PayerWorld w;
    Report& r = w.report();
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.payerAbn = QStringLiteral("51824753556");
    r.payerBranch = QStringLiteral("001");
    CPayer dialog(w.context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Payer Details"));
    EXPECT_EQ(shown(dialog, "abn"), QStringLiteral("51 824 753 556"));
    EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("name"))->isReadOnly());
    click(dialog, "close");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(w.ui.messages.empty());
    EXPECT_FALSE(w.context.document.IsModified());
}

} // namespace
