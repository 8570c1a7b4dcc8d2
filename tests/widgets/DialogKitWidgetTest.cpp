#include "widgets/DialogKit.h"

#include "support/TypedKeys.h"
#include "widgets/DigitsEntry.h"

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
#include <QPushButton>
#include <QKeySequence>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

// An amount edit with the limit of eight digits and a postcode edit, in a shown dialog.
struct DigitsOnlyEdit : ::testing::Test {
    QDialog dialog;
    QLineEdit* edit = new QLineEdit(&dialog);
    QLineEdit* postcode = new QLineEdit(&dialog);

    DigitsOnlyEdit()
    {
        auto* column = new QVBoxLayout(&dialog);
        column->addWidget(edit);
        column->addWidget(postcode);
        makeWholeDollars(edit, 8);
        makeDigitsOnly(postcode, kDigitsOnlyTip, 4);
        dialog.show();
        edit->setFocus();
        settle();
    }

    QLabel* tip(QLineEdit* target = nullptr) const
    {
        return (target ? target : edit)->findChild<QLabel*>(QStringLiteral("refusedKeyTip"));
    }
    bool tipShown(QLineEdit* target = nullptr) const { return tip(target) && tip(target)->isVisible(); }
    QString tipText(QLineEdit* target = nullptr) const { return tip(target) ? tip(target)->text() : QString(); }
    // Any key but a character ends a refusal; the arrow moves nothing here.
    void acknowledge(QLineEdit* target = nullptr) { sendKey(target ? target : edit, Qt::Key_End); }
    void paste(const QString& text, QLineEdit* target = nullptr)
    {
        QGuiApplication::clipboard()->setText(text);
        pasteKey(target ? target : edit);
    }
    void drop(const QString& text, QLineEdit* target = nullptr)
    {
        target = target ? target : edit;
        QMimeData data;
        data.setText(text);
        // A drop reaches the widget that took the drag in.
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
};

TEST_F(DigitsOnlyEdit, EachRefusedCharacterShowsItsTipAtTheField)
{
    const struct {
        const char* key;
        QString tip; // empty: left out without a word
    } cases[] = {
        {"-", kWholeDollarsTip}, {"+", kWholeDollarsTip}, {"a", kWholeDollarsTip},
        {"$", {}}, {",", {}}, {" ", {}}, {".", kCentsLeftOutTip},
    };
    for (const auto& c : cases) {
        edit->setText(QStringLiteral("12"));
        typeKeys(edit, QString::fromLatin1(c.key));
        EXPECT_EQ(edit->text(), QStringLiteral("12")) << c.key;
        EXPECT_EQ(tipShown(), !c.tip.isEmpty()) << c.key;
        if (!c.tip.isEmpty()) {
            EXPECT_EQ(tipText(), c.tip) << c.key;
        }
        acknowledge();
        EXPECT_FALSE(tipShown()) << c.key;
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

// An amount typed as an Australian writes it, at the speed a user types:
// real key events with their modifiers, real waits between them.
TEST_F(DigitsOnlyEdit, AmountsTypedAsPeopleWriteThemGiveTheirWholeDollars)
{
    struct Step {
        const char* keys; // typed one key at a time; empty for `key`
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        int pauseMs = 0; // after the step
        int keyDelayMs = -1; // between its keys
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        const char* text;
        QString tip; // shown at the end; empty: none
    } cases[] = {
        {"dollars and commas", {{"$55,000"}}, "55000", {}},
        {"one key a second", {{"$55000", Qt::Key_unknown, Qt::NoModifier, 0, 1000}}, "55000", {}},
        {"cents in one go", {{"1,200.50"}}, "1200", kCentsLeftOutTip},
        {"cents after a pause", {{"1200.", Qt::Key_unknown, Qt::NoModifier, 3500}, {"5"}}, "1200", kCentsLeftOutTip},
        {"Alt+A between digits", {{"12"}, {"", Qt::Key_A, Qt::AltModifier}, {"00"}}, "1200", kWholeDollarsTip},
        {"Alt+Shift+A", {{"12"}, {"", Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier}, {"00"}}, "1200",
            kWholeDollarsTip},
        {"Meta+A", {{"12"}, {"", Qt::Key_A, Qt::MetaModifier}, {"00"}}, "1200", kWholeDollarsTip},
        {"the tip goes by itself",
            {{"12"}, {"", Qt::Key_A, Qt::AltModifier, 3500}, {"00"}}, "1200", {}},
        {"a minus sign", {{"-5"}}, "5", kWholeDollarsTip},
        {"the cursor moved after the point", {{"1200."}, {"", Qt::Key_End}, {"5"}}, "12005", {}},
        {"a digit deleted after the point", {{"1200."}, {"", Qt::Key_Backspace}, {"5"}}, "1205", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit->clear();
        acknowledge();
        for (const Step& step : c.steps) {
            if (step.key != Qt::Key_unknown)
                QTest::keyClick(edit, step.key, step.modifiers);
            else
                QTest::keyClicks(edit, QString::fromLatin1(step.keys), step.modifiers, step.keyDelayMs);
            if (step.pauseMs > 0)
                QTest::qWait(step.pauseMs);
        }
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(tipShown(), !c.tip.isEmpty());
        if (!c.tip.isEmpty()) {
            EXPECT_EQ(tipText(), c.tip);
        }
    }
}

TEST_F(DigitsOnlyEdit, APasteTakesAnAmountWholeOrNotAtAll)
{
    const struct {
        const char* clipboard;
        const char* text;
        QString tip;
    } cases[] = {
        {"1200", "71200", {}},
        {"1200\n", "71200", {}}, // a spreadsheet cell
        {" $1,200.50\r\n", "71200", kCentsLeftOutTip},
        {"-500", "7", kWholeDollarsTip},
        {"12a", "7", kWholeDollarsTip},
        {"1.200,50", "7", kWholeDollarsTip},
        {"123456789", "7", QStringLiteral("No more than 8 digits fit in this field.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        edit->setText(QStringLiteral("7"));
        acknowledge();
        paste(QString::fromLatin1(c.clipboard));
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(tipShown(), !c.tip.isEmpty());
        if (!c.tip.isEmpty()) {
            EXPECT_EQ(tipText(), c.tip);
        }
    }

    edit->setText(QStringLiteral("71200"));
    drop(QStringLiteral("5a"));
    EXPECT_EQ(edit->text(), QStringLiteral("71200"));
    EXPECT_TRUE(tipShown());
    acknowledge();
    drop(QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("571200"));
    EXPECT_FALSE(tipShown());
    edit->clear();
    drop(QStringLiteral("$3,000.99"));
    EXPECT_EQ(edit->text(), QStringLiteral("3000"));
    EXPECT_EQ(tipText(), kCentsLeftOutTip);
}

// The cells of a spreadsheet's row or column, pasted with the paste key or
// dropped, never run together into one number; one cell goes in without
// the blanks and line breaks around it.
TEST_F(DigitsOnlyEdit, APasteOrDropOfTwoCellsIsRefusedWhole)
{
    const struct {
        const char* cells;
        const char* text; // in an edit that was empty
        bool refused;
    } cases[] = {
        {"1200\t300", "", true},
        {"1200\n300\n", "", true},
        {"1200\r\n300", "", true},
        {"1200\r\n300\r\n", "", true},
        {"1200 \t 300", "", true},
        {"\t1200\t", "1200", false},
        {"1200\n", "1200", false},
        {"1200\r\n", "1200", false},
    };
    const struct {
        QLineEdit* target;
        QString tip;
    } edits[] = {{edit, kOneAmountTip}, {postcode, kOneNumberTip}};
    for (const auto& e : edits) {
        for (const auto& c : cases) {
            for (const bool dropped : {false, true}) {
                SCOPED_TRACE(std::string(c.cells) + (dropped ? " dropped" : " pasted")
                    + (e.target == edit ? " into the amount" : " into the postcode"));
                e.target->clear();
                acknowledge(e.target);
                if (dropped)
                    drop(QString::fromLatin1(c.cells), e.target);
                else
                    paste(QString::fromLatin1(c.cells), e.target);
                EXPECT_EQ(e.target->text(), QString::fromLatin1(c.text));
                EXPECT_EQ(tipShown(e.target), c.refused);
                if (c.refused) {
                    EXPECT_EQ(tipText(e.target), e.tip);
                }
            }
        }
    }
}

// An input method commits a character that the edit refuses, in place of
// what it would replace: nothing is replaced, as with a refused key.
TEST_F(DigitsOnlyEdit, ARefusedInputMethodCommitChangesNothing)
{
    const struct {
        const char* name;
        QLineEdit* target;
        const char* text;
        int from; // the cursor, or where a selection starts from
        int selected; // to the left when negative
        const char* preedit; // a composition before the commit; empty: none
        const char* commit;
        int start;
        int length;
        QString tip;
    } cases[] = {
        {"é over the last digit", edit, "1234", 4, 0, "", "é", -1, 1, kWholeDollarsTip},
        {"é over the first digit", edit, "1234", 0, 0, "", "é", 0, 1, kWholeDollarsTip},
        {"é over a selection", edit, "1234", 2, 2, "", "é", 0, 0, kWholeDollarsTip},
        {"é over a selection made leftwards", edit, "1234", 4, -2, "", "é", 0, 0, kWholeDollarsTip},
        {"é over a selection and the digit before it", edit, "1234", 2, 2, "", "é", -1, 1, kWholeDollarsTip},
        {"a composition, then é", edit, "1234", 2, 0, "e", "é", 0, 0, kWholeDollarsTip},
        {"a composition, then é over the last digit", edit, "1234", 4, 0, "´", "é", -1, 1, kWholeDollarsTip},
        {"a composition over a selection, then é", edit, "1234", 2, 2, "e", "é", 0, 0, kWholeDollarsTip},
        {"a composition over a selection made leftwards, then é", edit, "1234", 4, -2, "´", "é", 0, 0, kWholeDollarsTip},
        {"a composition over a selection, then é over the digit before", edit, "1234", 2, 2, "´", "é", -1, 1,
         kWholeDollarsTip},
        {"a composition over a selection, given up", edit, "1234", 2, 2, "e", "", 0, 0, {}},
        {"a composition over a postcode's selection, then é", postcode, "123", 1, 2, "´", "é", 0, 0, kDigitsOnlyTip},
        {"a composition over a postcode's selection, given up", postcode, "123", 3, -2, "e", "", 0, 0, {}},
        {"a dollar sign over the last digit", edit, "1234", 4, 0, "", "$", -1, 1, {}},
        {"a point over the last digit", edit, "1234", 4, 0, "", ".", -1, 1, kCentsLeftOutTip},
        {"é over a stored text that is no number", edit, "-5", 2, 0, "", "é", -1, 1, kWholeDollarsTip},
        {"é over a postcode's last digit", postcode, "123", 3, 0, "", "é", -1, 1, kDigitsOnlyTip},
        {"é over a postcode's selection", postcode, "123", 1, 2, "", "é", 0, 0, kDigitsOnlyTip},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit* target = c.target;
        acknowledge(target);
        target->setText(QString::fromUtf8(c.text));
        if (c.selected != 0)
            target->setSelection(c.from, c.selected);
        else
            target->setCursorPosition(c.from);
        const int cursor = target->cursorPosition();
        const int selectionStart = target->selectionStart();
        const QString selected = target->selectedText();
        if (*c.preedit) {
            composeInput(target, QString::fromUtf8(c.preedit));
            EXPECT_EQ(target->text(), QString::fromUtf8(c.text)) << "while composing";
        }

        commitInput(target, QString::fromUtf8(c.commit), c.start, c.length);
        EXPECT_EQ(target->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(target->cursorPosition(), cursor);
        EXPECT_EQ(target->selectionStart(), selectionStart);
        EXPECT_EQ(target->selectedText(), selected);
        EXPECT_EQ(tipShown(target), !c.tip.isEmpty());
        if (!c.tip.isEmpty()) {
            EXPECT_EQ(tipText(target), c.tip);
        }
        // The composition is over: the next digit goes in at the cursor.
        acknowledge(target);
        target->deselect();
        target->setCursorPosition(cursor);
        commitInput(target, QStringLiteral("9"));
        EXPECT_EQ(target->text(), QString::fromUtf8(c.text).insert(cursor, u'9'));
    }
}

// A commit of digits goes in as it would in an edit without the guard,
// whatever it replaces, even in a full field.
TEST_F(DigitsOnlyEdit, AnAcceptedInputMethodCommitGoesInAsInAPlainEdit)
{
    auto* plain = new QLineEdit(&dialog);
    const struct {
        const char* text;
        int from;
        int selected;
        const char* preedit;
        const char* commit;
        int start;
        int length;
        const char* after;
    } cases[] = {
        {"1234", 4, 0, "", "5", -1, 1, "1235"},
        {"1234", 2, 0, "", "5", 0, 1, "1254"},
        {"1234", 4, 0, "", "56", -2, 1, "12564"},
        {"1234", 2, 2, "", "5", 0, 0, "125"},
        {"1234", 4, -2, "", "5", 0, 0, "125"},
        {"1234", 2, 2, "", "5", -1, 1, "15"},
        {"12345678", 8, 0, "", "5", -1, 1, "12345675"}, // the field holds 8 digits
        {"1234", 4, 0, "5", "5", 0, 0, "12345"},
        {"1234", 4, 0, "5", "6", -1, 1, "1236"},
        {"1234", 2, 2, "5", "5", 0, 0, "125"}, // a composition over a selection
        {"1234", 4, -2, "5", "56", 0, 0, "1256"},
        {"1234", 2, 2, "5", "5", -1, 1, "15"},
        {"12345678", 6, 2, "9", "9", 0, 0, "1234569"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.commit) + " into " + c.text);
        for (QLineEdit* target : {edit, plain}) {
            target->setText(QString::fromLatin1(c.text));
            if (c.selected != 0)
                target->setSelection(c.from, c.selected);
            else
                target->setCursorPosition(c.from);
            if (*c.preedit)
                composeInput(target, QString::fromLatin1(c.preedit));
            commitInput(target, QString::fromLatin1(c.commit), c.start, c.length);
        }
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(plain->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(edit->cursorPosition(), plain->cursorPosition());
        EXPECT_EQ(edit->selectedText(), plain->selectedText());
        EXPECT_FALSE(tipShown());
    }

    // A composition over a selection of a full postcode, and of a full
    // amount, is judged on what it replaces: its digit goes in.
    for (QLineEdit* full : {postcode, edit}) {
        full->setText(full == postcode ? QStringLiteral("1234") : QStringLiteral("12345678"));
        full->setSelection(full->text().size() - 1, 1);
        composeInput(full, QStringLiteral("9"));
        commitInput(full, QStringLiteral("9"));
        EXPECT_EQ(full->text(), full == postcode ? QStringLiteral("1239") : QStringLiteral("12345679"));
        EXPECT_EQ(full->cursorPosition(), full->text().size());
        EXPECT_FALSE(tipShown(full));
    }

    // What is refused of a commit is left out, and the rest goes in its place.
    edit->setText(QStringLiteral("1234"));
    commitInput(edit, QStringLiteral("5é"), -1, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("1235"));
    EXPECT_EQ(edit->cursorPosition(), 4);
    EXPECT_EQ(tipText(), kWholeDollarsTip);
}

// Whatever brings a character the guard does not take, the edit never
// holds it: keys of any modifiers and text, an input method, the edit's own
// insert that its paste and drop use.
TEST_F(DigitsOnlyEdit, NoWayInLeavesANonDigit)
{
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    } keys[] = {
        {"Alt+A", Qt::Key_A, Qt::AltModifier, QStringLiteral("a")},
        {"Ctrl+Alt+Q", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@")},
        {"Meta+Z", Qt::Key_Z, Qt::MetaModifier, QStringLiteral("z")},
        {"zero-width non-joiner", 0, Qt::NoModifier, QStringLiteral("\u200c")},
        {"zero-width non-joiner with Ctrl+Shift", 0, Qt::ControlModifier | Qt::ShiftModifier,
            QStringLiteral("\u200c")},
        {"private use", 0, Qt::NoModifier, QStringLiteral("\ue000")},
        {"emoji", 0, Qt::NoModifier, QStringLiteral("\U0001F600")},
        {"Arabic-Indic digit", 0, Qt::NoModifier, QStringLiteral("\u0661")},
    };
    const auto digitsOnly = [](const QString& text) {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    for (QLineEdit* target : {edit, postcode}) {
        for (const auto& k : keys) {
            SCOPED_TRACE(k.name);
            target->setText(QStringLiteral("12"));
            QTest::keyClick(target, Qt::Key_End);
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(k.key), k.text, k.modifiers);
            QTest::keyClicks(target, QStringLiteral("00"));
            EXPECT_EQ(target->text(), QStringLiteral("1200"));
        }

        // An input method commits a whole string at once.
        target->setText(QStringLiteral("12"));
        target->end(false);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("3a\u200c4\U0001F600"));
        QCoreApplication::sendEvent(target, &commit);
        EXPECT_EQ(target->text(), QStringLiteral("1234"));

        target->insert(QStringLiteral("5x"));
        EXPECT_TRUE(digitsOnly(target->text())) << target->text().toStdString();
        target->undo();
        target->undo();
        EXPECT_TRUE(digitsOnly(target->text())) << target->text().toStdString();
    }
}

// The guard takes characters only: the edit's and the dialog's shortcuts
// work as before.
TEST_F(DigitsOnlyEdit, ShortcutsKeepWorking)
{
    // Alt+S presses a button of the window, as its mnemonic does on a desktop.
    auto* button = new QPushButton(QStringLiteral("Save"), &dialog);
    dialog.layout()->addWidget(button);
    auto* altS = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), &dialog);
    QObject::connect(altS, &QShortcut::activated, button, &QPushButton::click);
    int clicked = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicked] { ++clicked; });
    settle();
    // A mnemonic answers in the active window only.
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        GTEST_SKIP() << "the platform makes no window active";
    edit->setFocus();

    QTest::keyClicks(edit, QStringLiteral("1234"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1234"));
    QTest::keyClicks(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("1234"));
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("1234"));
    EXPECT_FALSE(tipShown());
}

// A postcode or an ID takes digits only: no cents, no dollar signs; a
// refused character holds up none of the keys after it.
TEST_F(DigitsOnlyEdit, APostcodeTakesDigitsOnly)
{
    const auto tip = [this] { return postcode->findChild<QLabel*>(QStringLiteral("refusedKeyTip")); };
    for (const char* typed : {"2a000", "2.000", "$2000", "2,000", "2 000"}) {
        postcode->clear();
        QTest::keyClicks(postcode, QString::fromLatin1(typed));
        EXPECT_EQ(postcode->text(), QStringLiteral("2000")) << typed;
        EXPECT_TRUE(tip()->isVisible()) << typed;
        EXPECT_EQ(tip()->text(), kDigitsOnlyTip) << typed;
    }
    postcode->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("$2000"));
    pasteKey(postcode);
    EXPECT_EQ(postcode->text(), QString());
    QTest::keyClicks(postcode, QStringLiteral("20005"));
    EXPECT_EQ(postcode->text(), QStringLiteral("2000"));
    EXPECT_EQ(tip()->text(), QStringLiteral("No more than 4 digits fit in this field."));
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

// A stored value that is no whole number shows as it is, and the user can
// mend it key by key: the gate that keeps non-digits out never keeps the
// user from deleting one.
TEST_F(DigitsOnlyEdit, AStoredNonDigitCanBeMendedKeyByKey)
{
    edit->setText(QStringLiteral("-5"));
    sendKey(edit, Qt::Key_End);
    sendKey(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("-"));
    sendKey(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QString());
    typeKeys(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));

    edit->setText(QStringLiteral("12a00"));
    edit->setCursorPosition(3);
    sendKey(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("1200"));
    // Once whole dollars, it stays digits only.
    typeKeys(edit, QStringLiteral("b"));
    EXPECT_EQ(edit->text(), QStringLiteral("1200"));
}

} // namespace
