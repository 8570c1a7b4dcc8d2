#include "payees/dialogs/CPayeeBus1.h"
#include "payees/dialogs/CPayeeDAS.h"
#include "payees/dialogs/CPayeeETP.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeePEN.h"
#include "payees/dialogs/CPayeeSLS.h"
#include "payers/dialogs/CAddPayer.h"
#include "payers/dialogs/CEditPayer.h"
#include "payers/dialogs/SupplierDialog.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"
#include "support/TestScreens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

namespace
{

// Every form with markers (the report's payer is shown read-only, without), built
// as its registration builds it.
struct MarkedForm {
    const char* name;
    std::function<std::unique_ptr<QDialog>(AppContext&)> make;
};

const MarkedForm kMarkedForms[] = {
    { "CPayeeINB", [](AppContext& c) { return std::make_unique<CPayeeINB>(c); } },
    { "CPayeeFEI", [](AppContext& c) { return std::make_unique<CPayeeFEI>(c); } },
    { "CPayeePEN", [](AppContext& c) { return std::make_unique<CPayeePEN>(c); } },
    { "CPayeeBus1", [](AppContext& c) { return std::make_unique<CPayeeBus1>(c); } },
    { "CPayeeETP", [](AppContext& c) { return std::make_unique<CPayeeETP>(c); } },
    { "CPayeeSLS", [](AppContext& c) { return std::make_unique<CPayeeSLS>(c, nullptr); } },
    { "CPayeeDAS", [](AppContext& c) { return std::make_unique<CPayeeDAS>(c, nullptr); } },
    { "CAddPayer", [](AppContext& c) { return std::make_unique<CAddPayer>(c); } },
    { "CEditPayer", [](AppContext& c) { return std::make_unique<CEditPayer>(c); } },
    { "CSupplier", [](AppContext& c) { return std::make_unique<CSupplier>(c); } },
};

void PrintTo(const MarkedForm& form, std::ostream* out)
{
    *out << form.name;
}

bool isMarker(const QWidget* w)
{
    const QString name = w->objectName();
    return qobject_cast<const QLabel*>(w) && name.endsWith(QLatin1String("Marker"));
}

// What a marker says something about: its name less "Marker" (and less
// "Error" or "Warning"), or the lists of a date of that name.
QString markedStem(const QString& markerName)
{
    QString stem = markerName.chopped(int(qstrlen("Marker")));
    for (const char* kind : { "Error", "Warning" })
        if (stem.endsWith(QLatin1String(kind)))
            stem.chop(int(qstrlen(kind)));
    return stem;
}

bool isField(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractButton*>(w) || (qobject_cast<const QLabel*>(w) && !isMarker(w));
}

// The field's controls: named by the stem and a kind, or the Day, Month and
// Year lists of a date.
bool belongsTo(const QString& fieldName, const QString& stem)
{
    static const char* const kinds[] = { "", "Edit", "List", "Combo", "Box", "Label" };
    for (const char* kind : kinds)
        if (fieldName == stem + QLatin1String(kind))
            return true;
    QString datePrefix = stem;
    if (stem == QLatin1String("dateOfBirth"))
        datePrefix = QStringLiteral("dob");
    else if (stem.endsWith(QLatin1String("Date")))
        datePrefix.chop(4);
    for (const char* part : { "DayList", "MonthList", "YearList" })
        if (fieldName == datePrefix + QLatin1String(part))
            return true;
    return false;
}

QRect placeIn(const QWidget* w, const QWidget* window)
{
    return { w->mapTo(window, QPoint(0, 0)), w->size() };
}

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

QString nameOf(const QWidget* w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return QStringLiteral("\"%1\"").arg(label->text());
    return QString::fromLatin1(w->metaObject()->className());
}

struct MarkerPlacement : ::testing::TestWithParam<MarkedForm> {
    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context { ui, files };
    std::unique_ptr<QDialog> dialog;
    std::vector<QWidget*> markers;

    MarkerPlacement()
    {
        context.report().reportYear = QStringLiteral("2019");
        context.report().reportYearNumber = 2019;
        context.report().payeeMode = 4;
    }

    void open()
    {
        dialog = GetParam().make(context);
        if (QScreen* wide = testScreen(QSize(1600, 1000))) {
            dialog->setScreen(wide);
            dialog->move(wide->availableGeometry().topLeft());
        }
        dialog->show();
        for (QWidget* w : dialog->findChildren<QWidget*>())
            if (isMarker(w))
                markers.push_back(w);
        // What a marker speaks for (a hidden caption or check box) shows with it.
        for (QWidget* marker : markers) {
            const QString stem = markedStem(marker->objectName());
            for (QWidget* w : dialog->findChildren<QWidget*>())
                if (!isMarker(w) && isField(w) && belongsTo(w->objectName(), stem))
                    w->show();
        }
    }

    void showOnly(const std::vector<QWidget*>& shown)
    {
        for (QWidget* marker : markers)
            marker->setVisible(std::find(shown.begin(), shown.end(), marker) != shown.end());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }

    // Each shown marker stands just right of its own field, on its row; the
    // markers of one field stand nearer to it than to whatever follows.
    void expectBesideTheirFields(const char* when)
    {
        std::vector<QWidget*> fields;
        for (QWidget* w : dialog->findChildren<QWidget*>())
            if (isField(w) && w->isVisible())
                fields.push_back(w);
        for (QWidget* marker : markers) {
            if (!marker->isVisible())
                continue; // a hidden amount's marker goes with it
            const QString name = marker->objectName();
            const QString stem = markedStem(name);
            const QRect m = placeIn(marker, dialog.get());
            std::optional<QRect> own;
            for (QWidget* f : fields) {
                if (!belongsTo(f->objectName(), stem))
                    continue;
                const QRect r = placeIn(f, dialog.get());
                if (!own || r.right() > own->right())
                    own = r;
            }
            if (!own) {
                ADD_FAILURE() << qPrintable(name) << ": no field of its own is shown, " << when;
                continue;
            }
            EXPECT_GT(m.left(), own->right()) << qPrintable(name) << " is not right of its field, " << when;
            EXPECT_TRUE(sameRow(m, *own)) << qPrintable(name) << " is not on its field's row, " << when;
            QRect group = m;
            for (QWidget* other : markers)
                if (other->isVisible() && markedStem(other->objectName()) == stem)
                    group |= placeIn(other, dialog.get());
            const int gap = group.left() - own->right();
            EXPECT_LE(m.left() - own->right(), 24) << qPrintable(name) << " stands far from its field, " << when;
            for (QWidget* f : fields) {
                const QRect r = placeIn(f, dialog.get());
                if (belongsTo(f->objectName(), stem) || !sameRow(r, m) || r.left() <= group.right())
                    continue;
                EXPECT_GT(r.left() - group.right(), gap) << qPrintable(name) << " stands nearer to "
                                                         << qPrintable(nameOf(f)) << " than to its field, " << when;
            }
        }
    }
};

TEST_P(MarkerPlacement, EveryMarkerStandsJustRightOfItsOwnField)
{
    open();
    ASSERT_FALSE(markers.empty());
    showOnly(markers);
    expectBesideTheirFields("with every marker shown");
    for (QWidget* marker : markers) {
        showOnly({ marker });
        expectBesideTheirFields("shown alone");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMarkedForm, MarkerPlacement, ::testing::ValuesIn(kMarkedForms),
    [](const ::testing::TestParamInfo<MarkedForm>& info) { return std::string(info.param.name); });

} // namespace
