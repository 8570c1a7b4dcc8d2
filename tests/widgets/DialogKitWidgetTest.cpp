#include "widgets/DialogKit.h"

#include "support/TypedKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
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

// An amount edit with the limit of eight digits, in a shown dialog.
struct DigitsOnlyEdit : ::testing::Test {
    QDialog dialog;
    QLineEdit* edit = new QLineEdit(&dialog);

    DigitsOnlyEdit()
    {
        (new QVBoxLayout(&dialog))->addWidget(edit);
        makeDigitsOnly(edit, kWholeDollarsTip, 8);
        dialog.show();
        edit->setFocus();
        settle();
    }

    QLabel* tip() const { return edit->findChild<QLabel*>(QStringLiteral("refusedKeyTip")); }
    bool tipShown() const { return tip() && tip()->isVisible(); }
    QString tipText() const { return tip() ? tip()->text() : QString(); }
    // Any key but a character ends a refusal; the arrow moves nothing here.
    void acknowledge() { sendKey(edit, Qt::Key_End); }
    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        pasteKey(edit);
    }
    void drop(const QString& text)
    {
        QMimeData data;
        data.setText(text);
        // A drop reaches the widget that took the drag in.
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &enter);
        QDropEvent event(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &event);
    }
};

TEST_F(DigitsOnlyEdit, EachRefusedCharacterShowsTheTipAtTheField)
{
    for (const char* refused : { ",", ".", "-", "+", " ", "a", "$" }) {
        edit->setText(QStringLiteral("12"));
        typeKeys(edit, QString::fromLatin1(refused));
        EXPECT_EQ(edit->text(), QStringLiteral("12")) << refused;
        EXPECT_TRUE(tipShown()) << refused;
        EXPECT_EQ(tipText(), kWholeDollarsTip) << refused;
        acknowledge();
        EXPECT_FALSE(tipShown()) << refused;
    }
    typeKeys(edit, QStringLiteral("34"));
    EXPECT_EQ(edit->text(), QStringLiteral("1234"));
    EXPECT_FALSE(tipShown());
    // Just below the field, from its left edge.
    typeKeys(edit, QStringLiteral("x"));
    const QPoint below = edit->mapToGlobal(QPoint(0, edit->height()));
    EXPECT_EQ(tip()->x(), below.x());
    EXPECT_GE(tip()->y(), below.y());
    EXPECT_LT(tip()->y(), below.y() + 10);
}

// "1,200.50" typed in one go gives neither 120050 nor 1200.50: the keys after
// the refused comma are refused too, until the user answers the tip.
TEST_F(DigitsOnlyEdit, ABurstAfterARefusedKeyIsHeldUntilTheUserAnswers)
{
    typeKeys(edit, QStringLiteral("1,200.50"));
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
    EXPECT_TRUE(tipShown());

    sendKey(edit, Qt::Key_Backspace);
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(edit->text(), QString());
    typeKeys(edit, QStringLiteral("1200"));
    EXPECT_EQ(edit->text(), QStringLiteral("1200"));
    EXPECT_FALSE(tipShown());
}

TEST_F(DigitsOnlyEdit, APasteOrDropWithARefusedCharacterIsRefusedWhole)
{
    edit->setText(QStringLiteral("7"));
    paste(QStringLiteral("1,200.50"));
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_TRUE(tipShown());
    acknowledge();
    paste(QStringLiteral("1200"));
    EXPECT_EQ(edit->text(), QStringLiteral("71200"));
    EXPECT_FALSE(tipShown());

    drop(QStringLiteral("5a"));
    EXPECT_EQ(edit->text(), QStringLiteral("71200"));
    EXPECT_TRUE(tipShown());
    acknowledge();
    drop(QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("571200"));
    EXPECT_FALSE(tipShown());
}

TEST_F(DigitsOnlyEdit, TheContextMenuPasteIsJudgedToo)
{
    edit->setText(QStringLiteral("7"));
    QGuiApplication::clipboard()->setText(QStringLiteral("-500"));
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(edit, &event);
    QMenu* menu = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<QMenu*>(top); shown && shown->isVisible())
            menu = shown;
    }
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_TRUE(tipShown());
}

TEST_F(DigitsOnlyEdit, TypingStopsAtTheLimitWhileALongerStoredValueShowsWhole)
{
    edit->setText(QStringLiteral("123456789"));
    EXPECT_EQ(edit->text(), QStringLiteral("123456789"));
    typeKeys(edit, QStringLiteral("1"));
    EXPECT_EQ(edit->text(), QStringLiteral("123456789"));
    EXPECT_EQ(tipText(), QStringLiteral("No more than 8 digits fit in this field."));

    sendKey(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("12345678"));
    typeKeys(edit, QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("12345678"));
    acknowledge();
    edit->selectAll();
    typeKeys(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
}

} // namespace
