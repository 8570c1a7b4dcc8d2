// The payee forms show what a stored record holds and store only what the
// user sees: nothing is cut on opening, no refused key vanishes unnoticed,
// a hidden list blocks nothing and each part of a birth date is judged alone.

#include "payees/PayeeFeiKit.h"
#include "payees/PayeeFrameTestKit.h"
#include "payees/PayeeInbKit.h"
#include "payees/PayeePEN.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeePEN.h"
#include "support/TypedKeys.h"
#include "widgets/DialogKit.h"
#include "widgets/DigitsEntry.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

template <class T> T* child(QWidget& parent, const QString& name)
{
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

bool shown(QWidget& dialog, const QString& name)
{
    QWidget* widget = child<QWidget>(dialog, name);
    return widget && widget->isVisible();
}

void choose(QWidget& dialog, const QString& name, const QString& item)
{
    QComboBox* list = child<QComboBox>(dialog, name);
    list->setCurrentIndex(list->findText(item));
    emit list->activated(list->currentIndex());
}

void save(QWidget& dialog)
{
    child<QPushButton>(dialog, QStringLiteral("saveButton"))->click();
}

// Opens the stored payee `id` for editing, as the edit dispatcher does.
void loadForEditing(PayeeWorld& w, qint32 id)
{
    w.report().payeeMode = 0;
    w.context.currentPayee = w.report().payees.at(id);
    w.context.currentPayeeKey = id;
}

// The three tall forms, each with the edit that holds the record's Gross.
struct TallForm {
    const char* type;
    std::function<std::unique_ptr<QDialog>(AppContext&)> open;
    QString grossName; // PEN keeps its taxed element there
};

const TallForm kTallForms[] = {
    { "INB", [](AppContext& c) { return std::make_unique<CPayeeINB>(c); }, QStringLiteral("gross") },
    { "FEI", [](AppContext& c) { return std::make_unique<CPayeeFEI>(c); }, QStringLiteral("gross") },
    { "PEN", [](AppContext& c) { return std::make_unique<CPayeePEN>(c); }, QStringLiteral("taxedElement") },
};

TEST(PayeeStoredValues, ALongPostcodeAndAmountOpenWholeAndSaveRefusesThemAtTheirMarkers)
{
    for (const TallForm& form : kTallForms) {
        SCOPED_TRACE(form.type);
        PayeeWorld w;
        CCards stored = validFeiPayee(8);
        stored.payeeType = QString::fromLatin1(form.type);
        stored.pCode = 20001;
        stored.gross = 123456789;
        w.report().payees[8] = stored;
        loadForEditing(w, 8);
        const std::unique_ptr<QDialog> dialog = form.open(w.context);
        dialog->show();
        QApplication::processEvents();

        EXPECT_EQ(child<QLineEdit>(*dialog, QStringLiteral("pCodeEdit"))->text(), QStringLiteral("20001"));
        EXPECT_EQ(
            child<QLineEdit>(*dialog, form.grossName + QStringLiteral("Edit"))->text(), QStringLiteral("123456789"));
        save(*dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(shown(*dialog, QStringLiteral("pCodeErrorMarker")));
        EXPECT_TRUE(shown(*dialog, form.grossName + QStringLiteral("ErrorMarker")));
        EXPECT_EQ(w.report().payees.at(8), stored);
    }
}

TEST(PayeeStoredValues, AnAmountTypedWithCentsOrCommasIsNeverTakenAsAnotherNumber)
{
    for (const TallForm& form : kTallForms) {
        SCOPED_TRACE(form.type);
        PayeeWorld w;
        w.report().payeeMode = 4;
        const std::unique_ptr<QDialog> dialog = form.open(w.context);
        dialog->show();
        QApplication::processEvents();
        QLineEdit* gross = child<QLineEdit>(*dialog, form.grossName + QStringLiteral("Edit"));
        auto* tip = gross->findChild<QLabel*>(QStringLiteral("refusedKeyTip"));
        ASSERT_NE(tip, nullptr);

        // Neither 120050 nor 1: the whole dollars, with the cents left out.
        typeKeys(gross, QStringLiteral("1,200.50"));
        EXPECT_EQ(gross->text(), QStringLiteral("1200"));
        EXPECT_TRUE(tip->isVisible());
        EXPECT_EQ(tip->text(), kCentsLeftOutTip);

        gross->clear();
        sendKey(gross, Qt::Key_Backspace);
        EXPECT_FALSE(tip->isVisible());
        QGuiApplication::clipboard()->setText(QStringLiteral("1,200.50"));
        pasteKey(gross);
        EXPECT_EQ(gross->text(), QStringLiteral("1200"));
        EXPECT_EQ(tip->text(), kCentsLeftOutTip);

        QGuiApplication::clipboard()->setText(QStringLiteral("1.200,50"));
        pasteKey(gross);
        EXPECT_EQ(gross->text(), QStringLiteral("1200"));
        EXPECT_EQ(tip->text(), kWholeDollarsTip);
    }
}

TEST(PayeeStoredValues, TheProposedIdAtTheTopOfTheRangeIsWholeAndValid)
{
    PayeeWorld w;
    w.report().payeeMode = 4;
    w.report().highestPayeeId = 999999998;
    {
        CPayeeINB dialog(w.context);
        EXPECT_EQ(child<QLineEdit>(dialog, QStringLiteral("payeeIdEdit"))->text(), QStringLiteral("999999999"));
    }
    w.report().highestPayeeId = 999999999;
    CPayeeINB dialog(w.context);
    dialog.show();
    QLineEdit* id = child<QLineEdit>(dialog, QStringLiteral("payeeIdEdit"));
    EXPECT_EQ(id->text(), QString()); // no ID left above the highest: nothing cut, nothing proposed
    save(dialog);
    EXPECT_TRUE(shown(dialog, QStringLiteral("payeeIdErrorMarker")));
    EXPECT_TRUE(w.report().payees.empty());

    // Typing stops at nine digits, with the tip.
    typeKeys(id, QStringLiteral("1234567890"));
    EXPECT_EQ(id->text(), QStringLiteral("123456789"));
    EXPECT_TRUE(id->findChild<QLabel*>(QStringLiteral("refusedKeyTip"))->isVisible());
}

TEST(PayeeStoredValues, AnInbPayeeBeforeTheS57AYearsSavesWhateverItsHiddenListHeld)
{
    InbWorld inb(2016);
    typeInbPayee(inb.form, 2016);
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    PayeeWorld& w = inb.w;
    const qint32 id = w.report().payees.begin()->first;
    w.report().payees.at(id).fbtExempt = QStringLiteral("X");
    loadForEditing(w, id);

    CPayeeINB dialog(w.context);
    dialog.show();
    EXPECT_FALSE(child<QWidget>(dialog, QStringLiteral("s57AGroup"))->isVisibleTo(&dialog));
    save(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    EXPECT_EQ(w.report().payees.at(id).fbtExempt, QStringLiteral(" "));
}

TEST(PayeeStoredValues, APenPayeeBeforeTheReversionaryYearsSavesWhateverItsHiddenListHeld)
{
    PayeeWorld w;
    w.report().reportYear = QStringLiteral("2017");
    w.report().reportYearNumber = 2017;
    w.report().payeeMode = 4;
    PayeePenForm form(w.context);
    form.OnInitDialog();
    CCards& v = form.values;
    v.tfn = QStringLiteral("123 456 782");
    v.surname = QStringLiteral("Citizen");
    v.firstName = QStringLiteral("Jane");
    v.dobDay = QStringLiteral("30");
    v.dobMonth = QStringLiteral("06");
    v.dobYear = QStringLiteral("1957");
    v.addLine1 = QStringLiteral("1 Main St");
    v.suburb = QStringLiteral("Sydney");
    v.state = QStringLiteral("NSW");
    v.startDay = QStringLiteral("01");
    v.startMonth = QStringLiteral("07");
    v.startYear = QStringLiteral("2016");
    v.endDay = QStringLiteral("30");
    v.endMonth = QStringLiteral("06");
    v.endYear = QStringLiteral("2017");
    form.numberText(&CCards::pCode) = QStringLiteral("2000");
    form.numberText(&CCards::gross) = QStringLiteral("20000");
    form.numberText(&CCards::taxWithheld) = QStringLiteral("100");
    ASSERT_EQ(form.OnBnClickedSave(), PayeeSaveOutcome::Stored) << w.ui.texts().join(u'|').toStdString();
    const qint32 id = w.report().payees.begin()->first;
    w.report().payees.at(id).reversionaryIndicator() = QStringLiteral("-");
    loadForEditing(w, id);

    CPayeePEN dialog(w.context);
    dialog.show();
    EXPECT_FALSE(child<QWidget>(dialog, QStringLiteral("reversionaryList"))->isVisible());
    save(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    EXPECT_EQ(w.report().payees.at(id).reversionaryIndicator(), QStringLiteral(" "));
}

TEST(PayeeStoredValues, APostcodeBelowOneThousandOpensWithItsLeadingZeroAndSavesUnchanged)
{
    InbWorld inb(2019);
    typeInbPayee(inb.form, 2019);
    inb.form.values.suburb = QStringLiteral("ALICE SPRINGS");
    inb.form.values.state = QStringLiteral("NT");
    inb.form.numberText(&CCards::pCode) = QStringLiteral("870");
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    PayeeWorld& w = inb.w;
    const qint32 id = w.report().payees.begin()->first;
    const CCards stored = w.report().payees.at(id);
    ASSERT_EQ(stored.pCode, 870);
    loadForEditing(w, id);

    CPayeeINB dialog(w.context);
    dialog.show();
    EXPECT_EQ(child<QLineEdit>(dialog, QStringLiteral("pCodeEdit"))->text(), QStringLiteral("0870"));
    save(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    EXPECT_EQ(w.report().payees.at(id), stored);
}

TEST(PayeeStoredValues, AnUnmatchedBirthYearStaysRefusedWhenOnlyTheDayIsChosen)
{
    InbWorld inb(2019);
    typeInbPayee(inb.form, 2019);
    ASSERT_EQ(inb.form.OnBnClickedSave(), PayeeSaveOutcome::Stored);
    PayeeWorld& w = inb.w;
    const qint32 id = w.report().payees.begin()->first;
    w.report().payees.at(id).dobYear = QStringLiteral("85");
    const CCards stored = w.report().payees.at(id);
    loadForEditing(w, id);

    CPayeeINB dialog(w.context);
    dialog.show();
    EXPECT_EQ(child<QComboBox>(dialog, QStringLiteral("dobYearList"))->currentIndex(), -1);
    choose(dialog, QStringLiteral("dobDayList"), QStringLiteral("15"));
    save(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(shown(dialog, QStringLiteral("dateOfBirthErrorMarker")));
    EXPECT_EQ(w.report().payees.at(id), stored);

    choose(dialog, QStringLiteral("dobYearList"), QStringLiteral("1985"));
    save(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
    EXPECT_EQ(w.report().payees.at(id).dobYear, QStringLiteral("1985"));
    EXPECT_EQ(w.report().payees.at(id).dobDay, QStringLiteral("15"));
}

} // namespace
