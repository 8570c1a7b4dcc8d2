#include "payers/PayerTestKit.h"
#include "payers/dialogs/CAddPayer.h"
#include "payers/dialogs/SupplierDialog.h"

#include "widgets/ClippedText.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>

namespace
{

// Where every edit and list of a dialog sits, by object name.
std::map<QString, QRect> fieldPlaces(QWidget& dialog)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    std::map<QString, QRect> places;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) && !w->objectName().isEmpty()
            && w->isVisible())
            places[w->objectName()] = QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size());
    }
    return places;
}

int shownMarkers(QWidget& dialog)
{
    int shown = 0;
    for (ErrorMarker* marker : dialog.findChildren<ErrorMarker*>())
        shown += marker->isVisible() ? 1 : 0;
    return shown;
}

TEST(MarkerLayout, AddPayerKeepsItsFieldsWhereTheyWere)
{
    PayerWorld w;
    CAddPayer dialog(w.context);
    dialog.show();
    const auto before = fieldPlaces(dialog);
    ASSERT_GE(before.size(), 13u);
    // Everything empty: most fields are refused and marked.
    dialog.findChild<QPushButton*>(QStringLiteral("save"))->click();
    ASSERT_GT(shownMarkers(dialog), 3);
    EXPECT_EQ(fieldPlaces(dialog), before);
    EXPECT_EQ(clippedTexts(&dialog), QStringList());
}

TEST(MarkerLayout, SupplierKeepsItsFieldsWhereTheyWere)
{
    PayerWorld w;
    CSupplier dialog(w.context);
    dialog.show();
    const auto before = fieldPlaces(dialog);
    ASSERT_GE(before.size(), 16u);
    dialog.findChild<QPushButton*>(QStringLiteral("updateButton"))->click();
    ASSERT_GT(shownMarkers(dialog), 3);
    EXPECT_EQ(fieldPlaces(dialog), before);
}

} // namespace
