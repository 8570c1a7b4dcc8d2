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

#include <algorithm>

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

// How long a refused-key tip stays, and with it the refusal of further keys.
constexpr int kRefusedTipMs = 3000;

// Watches one digits-only edit: every way text gets in passes through here.
class DigitsOnlyGuard : public QObject
{
public:
    DigitsOnlyGuard(QLineEdit* edit, const QString& tip, int maxDigits)
        : QObject(edit)
        , m_edit(edit)
        , m_tipText(tip)
        , m_maxDigits(maxDigits)
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
        case QEvent::InputMethod: {
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            return !commit.isEmpty() && refuses(commit);
        }
        case QEvent::Drop:
            return drop(static_cast<QDropEvent*>(event));
        case QEvent::ContextMenu:
            contextMenu(static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
            hideTip();
            return false;
        case QEvent::MouseButtonRelease:
            // The middle button pastes the selection where the desktop has one.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
                && QGuiApplication::clipboard()->supportsSelection() && !m_edit->isReadOnly())
                return refuses(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return false;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hideTip();
            return false;
        default:
            return false;
        }
    }

private:
    bool keyPress(QKeyEvent* key)
    {
        if (key->matches(QKeySequence::Paste)) {
            paste();
            return true;
        }
        const QString text = key->text();
        // With Ctrl, Alt or Meta held a key is a command, which the edit
        // itself never types.
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool character
            = !command && !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
        if (!character) {
            // Any key but a bare modifier ends the refusal of a burst.
            if (key->key() < Qt::Key_Shift || key->key() > Qt::Key_ScrollLock)
                hideTip();
            return false;
        }
        if (m_tip->isVisible()) {
            refuse(m_tip->text());
            return true;
        }
        return refuses(text);
    }

    // The tip for text about to go in at the cursor; empty when it may.
    QString refusal(const QString& inserted) const
    {
        return DigitsEntryRefusal(
            inserted, m_edit->text().size(), m_edit->selectedText().size(), m_maxDigits, m_tipText);
    }

    bool refuses(const QString& text)
    {
        const QString why = refusal(text);
        if (why.isEmpty())
            return false;
        refuse(why);
        return true;
    }

    void paste()
    {
        if (m_edit->isReadOnly())
            return;
        if (!refuses(QGuiApplication::clipboard()->text()))
            m_edit->paste();
    }

    bool drop(QDropEvent* drop)
    {
        // Moving text within the field adds nothing.
        if (drop->source() == m_edit || !drop->mimeData()->hasText() || m_edit->isReadOnly())
            return false;
        if (!refuses(drop->mimeData()->text()))
            return false;
        drop->setDropAction(Qt::IgnoreAction);
        drop->ignore();
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
                connect(action, &QAction::triggered, this, [this] { paste(); });
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

    void hideTip()
    {
        m_timer.stop();
        m_tip->hide();
    }

    QLineEdit* m_edit;
    QString m_tipText;
    int m_maxDigits;
    QLabel* m_tip = nullptr;
    QTimer m_timer;
};

} // namespace

void makeDigitsOnly(QLineEdit* edit, const QString& tip, int maxDigits)
{
    new DigitsOnlyGuard(edit, tip, maxDigits);
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
