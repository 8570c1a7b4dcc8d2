// On a desktop, where the window manager frames a window only after it is
// shown, the INB, FEI and PEN forms open with their whole window, frame and
// all, on the screen, and every button of their bottom line whole in view.
// What the X server shows is checked, not only what Qt believes.

#include "payees/PayeeFrameTestKit.h"
#include "payees/StoredPayeeKit.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeePEN.h"
#include "support/TestProfile.h"
#include "support/XDesktop.h"
#include "widgets/DialogKit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace
{

constexpr qint32 kId = 8;

struct TallForm {
    const char* type;
    std::function<std::unique_ptr<QDialog>(AppContext&, QWidget*)> open;
};

const TallForm kTallForms[] = {
    { "INB", [](AppContext& c, QWidget* p) { return std::make_unique<CPayeeINB>(c, p); } },
    { "FEI", [](AppContext& c, QWidget* p) { return std::make_unique<CPayeeFEI>(c, p); } },
    { "PEN", [](AppContext& c, QWidget* p) { return std::make_unique<CPayeePEN>(c, p); } },
};

void PrintTo(const TallForm& form, std::ostream* out)
{
    *out << form.type;
}

std::string text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

xcb_connection_t* xConnection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// What the X server shows of a window: its frame, the window manager's
// window that holds it, on the root; empty when it has none.
QRect shownFrame(const QWidget& window)
{
    xcb_connection_t* c = xConnection();
    xcb_window_t w = xcb_window_t(window.winId());
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
        if (!tree)
            return {};
        const bool top = tree->parent == tree->root;
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (top)
            break;
        w = parent;
    }
    if (w == xcb_window_t(window.winId()))
        return {};
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!g)
        return {};
    const QRect frame(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
    std::free(g);
    return frame;
}

// Where the X server shows the window's own top left corner.
std::optional<QPoint> shownOrigin(const QWidget& window)
{
    xcb_connection_t* c = xConnection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_translate_coordinates_reply_t* r = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, xcb_window_t(window.winId()), root, 0, 0), nullptr);
    if (!r)
        return std::nullopt;
    const QPoint origin(r->dst_x, r->dst_y);
    std::free(r);
    return origin;
}

// Asks the window manager to move and size the window, as the user does
// when dragging its title bar or its edge.
void moveAsTheUser(const QWidget& window, const QRect& geometry)
{
    xcb_connection_t* c = xConnection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const char name[] = "_NET_MOVERESIZE_WINDOW";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    ASSERT_NE(atom, nullptr);
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = atom->atom;
    std::free(atom);
    constexpr uint32_t northWest = 1, xywh = 0xf << 8, fromTheUser = 2 << 12;
    event.data.data32[0] = northWest | xywh | fromTheUser;
    event.data.data32[1] = uint32_t(geometry.x());
    event.data.data32[2] = uint32_t(geometry.y());
    event.data.data32[3] = uint32_t(geometry.width());
    event.data.data32[4] = uint32_t(geometry.height());
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

// Waits until the window manager has framed the window and neither it nor
// the program moves it any more: the same frame, as Qt and the X server
// both see it, over half a second.
bool settled(const QWidget& window)
{
    QDeadlineTimer deadline(10000);
    QRect last;
    int calm = 0;
    while (!deadline.hasExpired()) {
        QTest::qWait(50);
        const QRect shown = shownFrame(window);
        const bool framed = !window.windowHandle()->frameMargins().isNull() && shown == window.frameGeometry();
        calm = framed && shown == last ? calm + 1 : 0;
        last = shown;
        if (calm >= 10)
            return true;
    }
    return false;
}

// A window the form opens from, framed already, as the Payee List is.
struct Opener : QWidget {
    Opener()
    {
        setWindowTitle(QStringLiteral("Payee List"));
        resize(500, 300);
        show();
    }
};

struct TallFormOnADesktop : ::testing::TestWithParam<TallForm> {
    TestProfile profile;
    PayeeWorld w;

    void SetUp() override
    {
        const QString reason = XDesktop::unavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
    }

    // The stored payee opened for editing, its warnings ignored, so that the
    // bottom line shows "Ignore Warnings" beside Help, Cancel and Save.
    std::unique_ptr<QDialog> open(QWidget* parent)
    {
        CCards payee = storedPayee(kId, GetParam().type);
        payee.ignoreWarnings = QStringLiteral("Yes");
        w.report().payees[kId] = payee;
        w.report().payeeMode = 0;
        w.context.currentPayee = payee;
        w.context.currentPayeeKey = kId;
        std::unique_ptr<QDialog> dialog = GetParam().open(w.context, parent);
        fitWidthToTitle(dialog.get());
        dialog->show();
        return dialog;
    }

    // The whole window on the screen's free area, as large as that lets it
    // be, and each button of the bottom line whole in view on the screen.
    static void expectWholeOnScreen(QDialog& dialog)
    {
        const QScreen* screen = dialog.screen();
        const QRect available = screen->availableGeometry();
        const QRect frame = shownFrame(dialog);
        EXPECT_TRUE(available.contains(frame)) << "frame " << text(frame) << " on " << text(available);
        EXPECT_EQ(frame, dialog.frameGeometry());
        // Cut to the screen, it takes the whole free height, not less for a
        // frame it only guessed at.
        const auto* scroll = dialog.findChild<QScrollArea*>(QStringLiteral("formScrollArea"));
        ASSERT_NE(scroll, nullptr);
        if (scroll->verticalScrollBar()->maximum() > 0) {
            EXPECT_EQ(frame.height(), available.height()) << text(frame);
        }

        const std::optional<QPoint> origin = shownOrigin(dialog);
        ASSERT_TRUE(origin);
        EXPECT_EQ(*origin, dialog.mapToGlobal(QPoint(0, 0)));
        for (const char* name : { "helpButton", "closeButton", "saveButton", "ignoreWarningsBox" }) {
            const auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            ASSERT_TRUE(button->isVisible()) << name;
            const QRect shown(*origin + button->mapTo(&dialog, QPoint(0, 0)), button->size());
            EXPECT_TRUE(available.contains(shown)) << name << " at " << text(shown) << " on " << text(available);
            EXPECT_EQ(button->visibleRegion(), QRegion(button->rect())) << name << " is partly hidden";
        }
    }
};

TEST_P(TallFormOnADesktop, OpenedAloneItsFrameAndButtonsAreOnTheScreen)
{
    const std::unique_ptr<QDialog> dialog = open(nullptr);
    ASSERT_TRUE(settled(*dialog)) << "the window manager did not frame the form";
    expectWholeOnScreen(*dialog);
}

TEST_P(TallFormOnADesktop, OpenedFromAWindowItsFrameAndButtonsAreOnTheScreen)
{
    Opener opener;
    ASSERT_TRUE(settled(opener)) << "the window manager did not frame the window it opens from";
    const std::unique_ptr<QDialog> dialog = open(&opener);
    ASSERT_TRUE(settled(*dialog)) << "the window manager did not frame the form";
    expectWholeOnScreen(*dialog);
}

TEST_P(TallFormOnADesktop, WhereTheUserPutsItItStays)
{
    const std::unique_ptr<QDialog> dialog = open(nullptr);
    ASSERT_TRUE(settled(*dialog)) << "the window manager did not frame the form";
    // Its frame 40 pixels right and 30 down, 100 pixels shorter.
    const QPoint to = dialog->frameGeometry().topLeft() + QPoint(40, 30);
    const QSize size = dialog->size() - QSize(0, 100);
    moveAsTheUser(*dialog, QRect(to, size));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->size() == size; }, 5000))
        << "the window manager did not resize the form";
    ASSERT_TRUE(settled(*dialog));
    EXPECT_EQ(dialog->size(), size);
    // The window manager's own rounding of its frame aside.
    const QPoint off = dialog->frameGeometry().topLeft() - to;
    EXPECT_LE(off.manhattanLength(), 2) << text(dialog->frameGeometry()) << " put at " << to.x() << "," << to.y();
}

INSTANTIATE_TEST_SUITE_P(EveryTallForm, TallFormOnADesktop, ::testing::ValuesIn(kTallForms),
    [](const ::testing::TestParamInfo<TallForm>& info) { return std::string(info.param.type); });

} // namespace
