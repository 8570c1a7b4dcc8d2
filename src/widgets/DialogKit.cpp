#include "widgets/DialogKit.h"

#include "report/AppContext.h"
#include "widgets/DigitsEntry.h"
#include "widgets/HelpActions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <optional>

MyGroupBox::MyGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void MyGroupBox::setCaptionColor(const QColor& color)
{
    // A style sheet holds under every style, as the caption colour must.
    setStyleSheet(QStringLiteral("QGroupBox { color: %1; }").arg(color.name()));
}

void CToolTipCtrlExt::AddToolForControl(const QString& text, QWidget* control)
{
    if (control)
        control->setToolTip(text);
}

namespace {

QPixmap errorMarkerPixmap()
{
    QPixmap pixmap(ErrorMarker::kSize, ErrorMarker::kSize);
    pixmap.fill(QColor(255, 0, 0));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("E"));
    return pixmap;
}

} // namespace

ErrorMarker::ErrorMarker(QWidget* parent) : QLabel(parent)
{
    setPixmap(errorMarkerPixmap());
    setFixedSize(kSize, kSize);
    setToolTip(QStringLiteral("Please correct this field"));
    // Its place is kept while it is hidden, so the fields beside it do not
    // move or shrink when it shows.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

QWidget* fieldWithMarker(QWidget* field, ErrorMarker* marker)
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(field, 1);
    if (marker)
        row->addWidget(marker);
    else
        row->addSpacing(row->spacing() + ErrorMarker::kSize);
    return box;
}

namespace
{

// How long a refused-key tip stays.
constexpr int kRefusedTipMs = 3000;

// The last gate: whatever brings text in that the guard does not see (a
// key of some platform's own, an undo), the edit holds 0-9 only. Text the
// program sets passes, so Save's rules judge a stored value as it is.
class DigitsValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return std::all_of(input.begin(), input.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }) ? Acceptable
                                                                                                        : Invalid;
    }
};

// Watches one digits-only edit: every way text gets in passes through here,
// and the core decides what goes in.
class DigitsOnlyGuard : public QObject
{
public:
    DigitsOnlyGuard(QLineEdit* edit, const QString& tip, int maxDigits, DigitsEntryKind kind)
        : QObject(edit)
        , m_edit(edit)
        , m_tipText(tip)
        , m_maxDigits(maxDigits)
        , m_kind(kind)
    {
        m_tip = new QLabel(edit, Qt::ToolTip);
        m_tip->setObjectName(QStringLiteral("refusedKeyTip"));
        m_tip->setPalette(QToolTip::palette());
        m_tip->setFont(QToolTip::font());
        m_tip->setForegroundRole(QPalette::ToolTipText);
        m_tip->setBackgroundRole(QPalette::ToolTipBase);
        m_tip->setAutoFillBackground(true);
        m_tip->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_tip->setMargin(4);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, m_tip, &QWidget::hide);
        edit->setValidator(new DigitsValidator(edit));
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod:
            return inputMethod(static_cast<QInputMethodEvent*>(event));
        case QEvent::Drop:
            return drop(static_cast<QDropEvent*>(event));
        case QEvent::ContextMenu:
            contextMenu(static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
            endEntry();
            return false;
        case QEvent::MouseButtonRelease: {
            // The middle button pastes the selection where the desktop has one.
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
                && !m_edit->isReadOnly())
                return pasteAt(QGuiApplication::clipboard()->text(QClipboard::Selection), mouse->position().toPoint());
            return false;
        }
        case QEvent::FocusOut:
        case QEvent::Hide:
            endEntry();
            return false;
        default:
            return false;
        }
    }

private:
    // True for a key whose text the edit would type: the test QLineEdit
    // itself makes, so Alt+letter, format characters, private-use
    // characters and emoji are judged too, while Ctrl+A or Ctrl+Z stay
    // commands.
    static bool typesText(const QKeyEvent* key)
    {
        const QString text = key->text();
        if (text.isEmpty())
            return false;
        const QChar c = text.front();
        if (c.category() == QChar::Other_Format)
            return true;
        const Qt::KeyboardModifiers mods = key->modifiers();
        if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier))
            return false;
        return c.isPrint() || c.category() == QChar::Other_PrivateUse || c.isSurrogate();
    }

    bool keyPress(QKeyEvent* key)
    {
        if (key->matches(QKeySequence::Paste)) {
            paste(QGuiApplication::clipboard()->text());
            return true;
        }
        if (!m_edit->isReadOnly() && typesText(key)) {
            apply(DigitsEntryTyped(state(), key->text(), m_kind, m_maxDigits, m_tipText));
            return true;
        }
        // Any other key but a bare modifier moves, deletes or commands.
        if (key->key() < Qt::Key_Shift || key->key() > Qt::Key_ScrollLock)
            endEntry();
        return false;
    }

    bool inputMethod(QInputMethodEvent* event)
    {
        if (m_forwarding || m_edit->isReadOnly())
            return false;
        // A text changed meanwhile by other means is no longer the one the held selection was made in.
        if (m_heldSelection && m_edit->text() != m_heldSelection->text)
            m_heldSelection.reset();
        const QString commit = event->commitString();
        const bool composing = !event->preeditString().isEmpty();
        QList<QInputMethodEvent::Attribute> attributes = event->attributes();
        DigitsEntryOutcome out;
        if (!commit.isEmpty()) {
            const DigitsEntryEdit replaced
                = DigitsEntryReplacing(edited(), event->replacementStart(), event->replacementLength());
            out = DigitsEntryTyped(replaced, commit, m_kind, m_maxDigits, m_tipText);
            // Where the input method puts the cursor after its commit is no place after ours.
            if (out.inserted != commit)
                attributes.removeIf(
                    [](const QInputMethodEvent::Attribute& a) { return a.type == QInputMethodEvent::Selection; });
        }
        // A commit refused whole replaces nothing, as a refused key; a deletion
        // by the input method replaces its range.
        const bool replaces = !out.inserted.isEmpty() || (commit.isEmpty() && event->replacementLength() > 0);
        if (replaces) {
            // What goes in takes the selection's place, as in any edit.
            selectAgain();
        } else if (composing && !m_composing && m_edit->hasSelectedText()) {
            // The edit drops its selection as a composition starts over it:
            // the text stays whole until a commit goes in.
            holdSelection();
        }
        QInputMethodEvent judged(event->preeditString(), attributes);
        if (replaces)
            judged.setCommitString(out.inserted, event->replacementStart(), event->replacementLength());
        forward(judged);
        // A composition refused or given up leaves the selection as it was.
        if (!composing)
            selectAgain();
        if (!commit.isEmpty())
            finish(out);
        return true;
    }

    void forward(QInputMethodEvent& event)
    {
        m_forwarding = true;
        QCoreApplication::sendEvent(m_edit, &event);
        m_forwarding = false;
        m_composing = !event.preeditString().isEmpty();
    }

    // The composition shows where the selection it may replace starts.
    void holdSelection()
    {
        const int start = m_edit->selectionStart();
        const int end = start + int(m_edit->selectedText().size());
        const int cursor = m_edit->cursorPosition();
        m_heldSelection = HeldSelection { m_edit->text(), cursor == start ? end : start, cursor };
        m_edit->setCursorPosition(start);
    }

    void selectAgain()
    {
        if (!m_heldSelection)
            return;
        // A selection made while composing would have the input method commit
        // what it composes: the edit's composition ends first, the input
        // method's own goes on.
        if (m_composing) {
            QInputMethodEvent ended;
            forward(ended);
        }
        if (m_edit->text() == m_heldSelection->text)
            m_edit->setSelection(m_heldSelection->anchor, m_heldSelection->cursor - m_heldSelection->anchor);
        m_heldSelection.reset();
    }

    // The edit as the user left it, with a selection held aside.
    DigitsEntryEdit edited() const
    {
        if (!m_heldSelection)
            return state();
        const auto [from, to] = std::minmax(m_heldSelection->anchor, m_heldSelection->cursor);
        return { m_heldSelection->text, from, to - from, m_cents };
    }

    DigitsEntryEdit state() const
    {
        const bool selection = m_edit->hasSelectedText();
        return { m_edit->text(), selection ? m_edit->selectionStart() : m_edit->cursorPosition(),
            selection ? m_edit->selectedText().size() : 0, m_cents };
    }

    void apply(const DigitsEntryOutcome& out)
    {
        if (!out.inserted.isEmpty())
            m_edit->insert(out.inserted);
        finish(out);
    }

    void finish(const DigitsEntryOutcome& out)
    {
        m_cents = out.cents;
        if (!out.tip.isEmpty())
            refuse(out.tip);
    }

    void paste(const QString& text)
    {
        if (!m_edit->isReadOnly())
            apply(DigitsEntryPasted(state(), text, m_kind, m_maxDigits, m_tipText));
    }

    // A drop or a middle-button paste at a point of the edit. Text that goes
    // in as it came is left to the edit; otherwise the edit gets what the
    // core makes of it. True when the event is dealt with here.
    bool pasteAt(const QString& text, QPoint point)
    {
        const int at = m_edit->cursorPositionAt(point);
        const DigitsEntryOutcome out
            = DigitsEntryPasted({ m_edit->text(), at, 0, false }, text, m_kind, m_maxDigits, m_tipText);
        if (out.tip.isEmpty() && out.inserted == text) {
            m_cents = false;
            return false;
        }
        if (!out.inserted.isEmpty())
            m_edit->setCursorPosition(at);
        apply(out);
        return true;
    }

    bool drop(QDropEvent* drop)
    {
        // Moving text within the field adds nothing.
        if (drop->source() == m_edit || !drop->mimeData()->hasText() || m_edit->isReadOnly())
            return false;
        const qsizetype before = m_edit->text().size();
        if (!pasteAt(drop->mimeData()->text(), drop->position().toPoint()))
            return false;
        if (m_edit->text().size() != before) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        } else {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
        }
        // The edit's drop cursor goes, as after a drop it took itself.
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(m_edit, &leave);
        return true;
    }

    void contextMenu(QContextMenuEvent* event)
    {
        QMenu* menu = m_edit->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The menu's Paste is known by the edit's own words for it, translated or not.
        for (QAction* action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
                QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, [this] { paste(QGuiApplication::clipboard()->text()); });
            }
        }
        menu->popup(event->globalPos());
    }

    void refuse(const QString& why)
    {
        QApplication::beep();
        m_tip->setText(why);
        m_tip->adjustSize();
        m_tip->move(m_edit->mapToGlobal(QPoint(0, m_edit->height() + 2)));
        m_tip->show();
        m_tip->raise();
        m_timer.start(kRefusedTipMs);
    }

    // The user moved on: the tip goes, and so do the cents of a typed ".".
    void endEntry()
    {
        m_cents = false;
        m_timer.stop();
        m_tip->hide();
    }

    QLineEdit* m_edit;
    QString m_tipText;
    int m_maxDigits;
    DigitsEntryKind m_kind;
    bool m_cents = false;
    bool m_forwarding = false;
    bool m_composing = false; // the edit shows a composition
    // The selection a composition started over, in the text it was made in.
    struct HeldSelection {
        QString text;
        int anchor = 0;
        int cursor = 0;
    };
    std::optional<HeldSelection> m_heldSelection;
    QLabel* m_tip = nullptr;
    QTimer m_timer;
};

} // namespace

void makeDigitsOnly(QLineEdit* edit, const QString& tip, int maxDigits)
{
    new DigitsOnlyGuard(edit, tip, maxDigits, DigitsEntryKind::Digits);
}

void makeWholeDollars(QLineEdit* edit, int maxDigits)
{
    new DigitsOnlyGuard(edit, kWholeDollarsTip, maxDigits, DigitsEntryKind::Amount);
}

void setBlue(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kCaptionBlue);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
}

void installHelp(QDialog* dialog, QAbstractButton* helpButton, AppContext& context)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, dialog, [&context] { OpenHelp(context); });
    if (helpButton)
        QObject::connect(helpButton, &QAbstractButton::clicked, dialog, [&context] { OpenHelp(context); });
}

void fitWidthToTitle(QWidget* window)
{
    // The window icon and the title bar's buttons, with room to spare.
    constexpr int kTitleBarAllowance = 160;
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    QFont font = QApplication::font();
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleBarAllowance;
    if (window->width() < needed)
        window->resize(needed, window->height());
}

void setApplicationIcon(QWidget* window)
{
    window->setWindowIcon(QApplication::windowIcon());
}

HelpCancelOkRow makeHelpCancelOkRow(QDialog* dialog, const QString& okTip, WithCancel withCancel)
{
    HelpCancelOkRow made;
    made.row = new QHBoxLayout;
    made.help = new QPushButton(QStringLiteral("Help"), dialog);
    made.help->setObjectName(QStringLiteral("helpButton"));
    made.help->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to open online help in browser window"), made.help);
    made.row->addWidget(made.help);
    made.row->addStretch();
    if (withCancel == WithCancel::Yes) {
        made.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
        made.cancel->setObjectName(QStringLiteral("cancelButton"));
        made.cancel->setAutoDefault(false);
        CToolTipCtrlExt::AddToolForControl(
            QStringLiteral("Click to close this dialog without saving any changes"), made.cancel);
        QObject::connect(made.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
        made.row->addWidget(made.cancel);
    }
    made.ok = new QPushButton(QStringLiteral("OK"), dialog);
    made.ok->setObjectName(QStringLiteral("okButton"));
    made.ok->setDefault(true);
    CToolTipCtrlExt::AddToolForControl(okTip, made.ok);
    made.row->addWidget(made.ok);
    return made;
}
