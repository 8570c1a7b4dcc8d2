#include "widgets/DialogKit.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

QRect placeIn(const QWidget* top, const QWidget* w)
{
    return QRect(w->mapTo(top, QPoint(0, 0)), w->size());
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

// A form laid out both ways the kit offers: markers in a grid column of their
// own, and fields wrapped with their marker.
TEST(ErrorMarkers, ShowingThemMovesNoField)
{
    QDialog form;
    auto* grid = new QGridLayout(&form);
    QList<QLineEdit*> edits;
    QList<ErrorMarker*> markers;
    for (int row = 0; row < 3; ++row) {
        auto* edit = new QLineEdit(&form);
        auto* marker = new ErrorMarker(&form);
        grid->addWidget(new QLabel(QStringLiteral("Field %1:").arg(row), &form), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(marker, row, 2);
        edits << edit;
        markers << marker;
    }
    for (int row = 3; row < 5; ++row) {
        auto* edit = new QLineEdit(&form);
        ErrorMarker* marker = row == 3 ? new ErrorMarker(&form) : nullptr;
        grid->addWidget(fieldWithMarker(edit, marker), row, 1, 1, 2);
        edits << edit;
        if (marker)
            markers << marker;
    }
    form.show();
    settle();

    QList<QRect> before;
    for (QLineEdit* edit : edits)
        before << placeIn(&form, edit);
    // Wrapped fields with and without a marker end at the same place.
    EXPECT_EQ(before[3].right(), before[4].right());

    for (ErrorMarker* marker : markers)
        marker->show();
    settle();
    for (int i = 0; i < edits.size(); ++i)
        EXPECT_EQ(placeIn(&form, edits[i]), before[i]) << "field " << i;

    markers[1]->hide();
    settle();
    for (int i = 0; i < edits.size(); ++i)
        EXPECT_EQ(placeIn(&form, edits[i]), before[i]) << "field " << i;
}

// A window narrower than its caption is widened for it; a wider one keeps
// its size.
TEST(WindowCaption, FitsTheTitleBar)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);

    QDialog narrow;
    narrow.setWindowTitle(QStringLiteral("Quillastrand - Generate Files"));
    (new QVBoxLayout(&narrow))->addWidget(new QLabel(QStringLiteral("PS Date:"), &narrow));
    fitWidthToTitle(&narrow);
    EXPECT_GE(narrow.width(), metrics.horizontalAdvance(narrow.windowTitle()) + 100);
    EXPECT_GE(narrow.height(), narrow.sizeHint().height());

    QDialog wide;
    wide.setWindowTitle(QStringLiteral("Quillastrand"));
    wide.resize(900, 300);
    fitWidthToTitle(&wide);
    EXPECT_EQ(wide.size(), QSize(900, 300));
}

} // namespace
