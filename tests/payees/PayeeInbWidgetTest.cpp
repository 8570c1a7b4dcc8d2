#include "lodgement/PdfServices.h"
#include "payees/PayeeServices.h"
#include "payees/dialogs/CAddPayee1.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeeList.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ListColumn.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"
#include "widgets/CSortListCtrl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace
{

template <typename T> T* find(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void choose(QComboBox* list, const char* item)
{
    list->setCurrentIndex(list->findText(QString::fromLatin1(item)));
    emit list->activated(list->currentIndex());
}

void type(QWidget* parent, const char* name, const char* text)
{
    find<QLineEdit>(parent, name)->setText(QString::fromLatin1(text));
}

struct InbWindow : ::testing::Test {
    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context { ui, files };

    InbWindow()
    {
        context.report().reportYear = QStringLiteral("2019");
        context.report().reportYearNumber = 2019;
    }
};

TEST_F(InbWindow, APayeeTypedIntoTheInbFormFromAddReachesTheList)
{
    ui.onDialog(QStringLiteral("CAddPayee1"), [this] {
        CAddPayee1 chooser(context, noPayeeServices());
        chooser.show();
        EXPECT_TRUE(find<QRadioButton>(&chooser, "inbRadio")->isChecked());
        find<QPushButton>(&chooser, "manuallyAddButton")->click();
        return 0;
    });
    ui.onDialog(QStringLiteral("CPayeeINB"), [this] {
        CPayeeINB form(context);
        form.show();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillastrand - INB Payee Details"));
        EXPECT_EQ(find<QComboBox>(&form, "incomeTypeList")->currentText(), QStringLiteral("Salary or Wages"));
        EXPECT_EQ(find<QLineEdit>(&form, "accruedYearMinus2Edit")->text(), QStringLiteral("2017"));
        EXPECT_TRUE(find<QWidget>(&form, "s57AGroup")->isVisibleTo(&form));
        find<QComboBox>(&form, "tfnCombo")->setEditText(QStringLiteral("000 000 000"));
        type(&form, "surnameEdit", "Citizen");
        type(&form, "firstNameEdit", "Jane");
        type(&form, "addLine1Edit", "1 Main Street");
        type(&form, "suburbEdit", "Sydney");
        type(&form, "pCodeEdit", "2000");
        choose(find<QComboBox>(&form, "stateList"), "NSW");
        choose(find<QComboBox>(&form, "startDayList"), "01");
        choose(find<QComboBox>(&form, "startMonthList"), "07");
        choose(find<QComboBox>(&form, "startYearList"), "2018");
        choose(find<QComboBox>(&form, "endDayList"), "30");
        choose(find<QComboBox>(&form, "endMonthList"), "06");
        choose(find<QComboBox>(&form, "endYearList"), "2019");
        type(&form, "grossEdit", "52000");
        type(&form, "taxWithheldEdit", "9000");

        // Save before "All Zero" marks the five required amounts.
        find<QPushButton>(&form, "saveButton")->click();
        EXPECT_TRUE(find<QWidget>(&form, "rfbtErrorMarker")->isVisibleTo(&form));
        EXPECT_TRUE(find<QWidget>(&form, "annuityErrorMarker")->isVisibleTo(&form));
        EXPECT_FALSE(find<QWidget>(&form, "surnameErrorMarker")->isVisibleTo(&form));
        EXPECT_EQ(find<QLineEdit>(&form, "surnameEdit")->text(), QStringLiteral("Citizen"));

        find<QPushButton>(&form, "allZeroButton")->click();
        EXPECT_EQ(find<QLineEdit>(&form, "rescEdit")->text(), QStringLiteral("0"));
        EXPECT_EQ(find<QLineEdit>(&form, "surnameEdit")->text(), QStringLiteral("Citizen"));
        find<QPushButton>(&form, "saveButton")->click();
        return form.result();
    });
    ui.onDialog(QStringLiteral("CPayeeList"), [this] {
        CPayeeList list(context, noPayeeServices(), noPdfServices());
        list.show();
        find<QPushButton>(&list, "add")->click();
        EXPECT_EQ(columnTexts(*list.list(), 3), QStringList { QStringLiteral("Citizen") });
        return 0;
    });
    ui.runDialog(QStringLiteral("CPayeeList"));

    ASSERT_EQ(context.report().payees.size(), 1u);
    const CCards& stored = context.report().payees.begin()->second;
    EXPECT_EQ(stored.dataSource, QStringLiteral("Manually Added"));
    EXPECT_EQ(stored.checked, QStringLiteral("Yes"));
    EXPECT_EQ(stored.suburb, QStringLiteral("SYDNEY"));
    EXPECT_EQ(stored.payeeType, QStringLiteral("INB"));
}

TEST_F(InbWindow, BeforeTheS57AYearsItsGroupIsHidden)
{
    context.report().reportYear = QStringLiteral("2016");
    context.report().payeeMode = 4;
    CPayeeINB form(context);
    form.show();
    EXPECT_FALSE(find<QWidget>(&form, "s57AGroup")->isVisibleTo(&form));
    EXPECT_EQ(find<QComboBox>(&form, "incomeTypeList")->count(), 2);
}

} // namespace
