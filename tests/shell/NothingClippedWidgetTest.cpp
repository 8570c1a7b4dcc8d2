#include "shell/dialogs/AboutDlg.h"
#include "shell/dialogs/CMainFrame.h"
#include "shell/dialogs/CSummary.h"
#include "shell/dialogs/YearDialogs.h"

#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "report/PayeeIds.h"
#include "shell/ReportCommands.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"
#include "widgets/ClippedText.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

class NothingClipped : public ::testing::Test {
protected:
    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};
};

TEST_F(NothingClipped, MainWindowOfANewReport)
{
    CSumbridge1App commands(context, {});
    CMainFrame frame(context, commands);
    frame.show();
    EXPECT_EQ(clippedTexts(&frame), QStringList());
}

TEST_F(NothingClipped, MainWindowWithLongNamesAndEveryButton)
{
    Report& r = context.report();
    r.payerName = QStringLiteral("The Trustee for the Harbourside Hospitality and Catering Unit Trust");
    r.payerAbn = QStringLiteral("51824753556");
    r.supplierName = QStringLiteral("Acme Payroll Services Pty Ltd");
    r.supplierAbn = QStringLiteral("53004085616");
    r.reportYear = QStringLiteral("2026");
    r.fileReference = QStringLiteral("REF-2026-0000001");
    r.payeeCount = 12;
    r.payeesChecked = 12;
    r.payeeCountText = QStringLiteral("12");
    CSumbridge1App commands(context, {});
    CMainFrame frame(context, commands);
    frame.show();
    frame.RefreshView();
    EXPECT_EQ(clippedTexts(&frame), QStringList());

    // The report came from a lodgement file: the other A01 button shows.
    r.fromLodgementFile = QStringLiteral("Yes");
    frame.RefreshView();
    EXPECT_EQ(clippedTexts(&frame), QStringList());
}

// A report of the most payees a report holds shows both counts whole, in the
// form's own font and in larger ones given to the boxes.
TEST_F(NothingClipped, MainWindowShowsAFullReportsCountsWhole)
{
    Report& r = context.report();
    r.payeeCount = qint32(kMaxPayeesInAReport);
    r.payeeCountText = QString::number(kMaxPayeesInAReport);
    r.payeesChecked = 0;
    CSumbridge1App commands(context, {});
    CMainFrame frame(context, commands);
    frame.show();
    frame.RefreshView();
    QList<QLineEdit*> boxes;
    for (const char* name : { "payeesIncludedEdit", "toBeCheckedEdit" }) {
        boxes << frame.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(boxes.back(), nullptr) << name;
    }

    const struct {
        const char* what;
        int pixels;
        bool bold;
    } fonts[] = {
        { "the form's own font", 0, false },
        { "a larger font", 20, false },
        { "a larger bold font", 28, true },
    };
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.what);
        for (QLineEdit* box : boxes) {
            if (f.pixels != 0) {
                QFont larger = box->font();
                larger.setPixelSize(f.pixels);
                larger.setBold(f.bold);
                box->setFont(larger);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
        for (QLineEdit* box : boxes) {
            EXPECT_EQ(box->text(), QStringLiteral("1000000")) << box->objectName().toStdString();
            EXPECT_TRUE(showsWholeText(box))
                << box->objectName().toStdString() << " is " << box->width() << " pixels wide";
        }
    }

    // The check sees a count cut short: a box no wider than its digits.
    QLineEdit* included = boxes.front();
    included->setFixedWidth(included->fontMetrics().horizontalAdvance(included->text()));
    EXPECT_FALSE(showsWholeText(included));
}

TEST_F(NothingClipped, AboutBoxAndYearDialogs)
{
    CAboutDlg about(context);
    about.show();
    EXPECT_EQ(clippedTexts(&about), QStringList());
    CDateSet1 year(context);
    year.show();
    EXPECT_EQ(clippedTexts(&year), QStringList());
    ChangeYear change(context);
    change.show();
    EXPECT_EQ(clippedTexts(&change), QStringList());
}

// The outline is a picture: its texts end well inside its right edge.
TEST_F(NothingClipped, OutlineOfTheProcess)
{
    CSummary outline(context);
    auto* picture = outline.findChild<QLabel*>(QStringLiteral("outlinePicture"));
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    for (int x = image.width() - 20; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << "at " << x << "," << y;
}

} // namespace
