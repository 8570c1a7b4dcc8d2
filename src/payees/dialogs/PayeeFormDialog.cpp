#include "payees/dialogs/PayeeFormDialog.h"

#include "payees/dialogs/LayoutTabOrder.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace
{

QPixmap warningMarkerPixmap()
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 215, 0));
    painter.drawPolygon(QPolygon({ QPoint(7, 0), QPoint(13, 13), QPoint(0, 13) }));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(10);
    painter.setFont(font);
    painter.drawText(QRect(0, 3, 14, 11), Qt::AlignCenter, QStringLiteral("!"));
    return pixmap;
}

QFont tahoma(int points, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

const QString kIgnoreTip
    = QStringLiteral("Indicates one or more fields may be incorrect. Review and if field is correct choose Ignore "
                     "Warnings to force a Save.");
const QString kIgnoreTipFiled
    = QStringLiteral("Indicates one or more fields may be incorrect. Review and if filed is correct choose Ignore "
                     "Warnings to force a Save.");

} // namespace

QStringList numberItems(int from, int to, int width)
{
    QStringList items;
    const int step = from <= to ? 1 : -1;
    for (int n = from; n != to + step; n += step)
        items << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return items;
}

QStringList birthYearItems()
{
    return QStringList { QStringLiteral("0000") } + numberItems(2019, 1900, 4);
}

WarningMarker::WarningMarker(QWidget* parent)
    : QLabel(parent)
{
    setPixmap(warningMarkerPixmap());
    setFixedSize(14, 14);
    setToolTip(QStringLiteral("Please check this field"));
    hide();
}

PayeeFormDialog::PayeeFormDialog(AppContext& context, PayeeFormFrame& form, const PayeeFormLook& look, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_form(form)
    , m_look(look)
{
    setWindowTitle(look.windowTitle);
    setApplicationIcon(this);
    buildCommon();
}

MyGroupBox* PayeeFormDialog::groupBox(const QString& captionText, const QString& objectName)
{
    auto* group = new MyGroupBox(captionText, m_body);
    group->setObjectName(objectName);
    group->setCaptionColor(kCaptionBlue);
    return group;
}

QWidget* PayeeFormDialog::markers(PayeeField field, const QString& name)
{
    auto found = m_markers.find(field);
    if (found != m_markers.end())
        return found->second.error->parentWidget();
    auto* pair = new QWidget(m_body);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* error = new ErrorMarker(pair);
    error->setObjectName(name + QStringLiteral("ErrorMarker"));
    // The pair keeps the place; inside it, a warning shown alone moves up to the field.
    QSizePolicy errorPolicy = error->sizePolicy();
    errorPolicy.setRetainSizeWhenHidden(false);
    error->setSizePolicy(errorPolicy);
    auto* warning = new WarningMarker(pair);
    warning->setObjectName(name + QStringLiteral("WarningMarker"));
    row->addWidget(error);
    row->addWidget(warning);
    row->addStretch(1); // a marker shown alone stands next to its field
    // Keep the place of the hidden markers, so fields do not move when they
    // show, and room after them, so they never seem to mark what follows.
    pair->setFixedSize(38, 14);
    m_markers.emplace(field, Markers { error, warning });
    return pair;
}

QLineEdit* PayeeFormDialog::textEdit(const QString& name, QString CCards::*member, const QString& tip)
{
    auto* edit = new QLineEdit(m_body);
    edit->setObjectName(name + QStringLiteral("Edit"));
    CToolTipCtrlExt::AddToolForControl(tip, edit);
    m_show.push_back([this, edit, member] { edit->setText(m_form.values.*member); });
    m_read.push_back([this, edit, member] { m_form.values.*member = edit->text(); });
    return edit;
}

QLineEdit* PayeeFormDialog::numberEdit(const QString& name, qint32 CCards::*member, int maxLength, const QString& tip)
{
    auto* edit = new QLineEdit(m_body);
    edit->setObjectName(name + QStringLiteral("Edit"));
    // A postcode is no amount; every other number of a payee is whole dollars.
    if (member == &CCards::pCode)
        makeDigitsOnly(edit, kDigitsOnlyTip, maxLength);
    else
        makeWholeDollars(edit, maxLength);
    edit->setAlignment(Qt::AlignRight);
    CToolTipCtrlExt::AddToolForControl(tip, edit);
    m_show.push_back([this, edit, member] { edit->setText(m_form.numberText(member)); });
    m_read.push_back([this, edit, member] { m_form.numberText(member) = edit->text(); });
    return edit;
}

QComboBox* PayeeFormDialog::listBox(const QString& name, PayeeField field, QString CCards::*member,
    const QStringList& items, ListMatch how, const QString& tip)
{
    auto* list = new QComboBox(m_body);
    list->setObjectName(name + QStringLiteral("List"));
    list->addItems(items);
    list->setCurrentIndex(-1);
    CToolTipCtrlExt::AddToolForControl(tip, list);
    connect(list, &QComboBox::activated, this, [this, member] { m_form.listChosen(member); });
    m_show.push_back([this, list, field, member, how] {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        list->setCurrentIndex(m_form.chooseListItem(field, member, shown, m_form.values.*member, how));
    });
    m_read.push_back(
        [this, list, member] { m_form.values.*member = list->currentIndex() < 0 ? QString() : list->currentText(); });
    return list;
}

QComboBox* PayeeFormDialog::comboEdit(
    const QString& name, QString CCards::*member, const QStringList& items, const QString& tip)
{
    auto* combo = new QComboBox(m_body);
    combo->setObjectName(name + QStringLiteral("Combo"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    CToolTipCtrlExt::AddToolForControl(tip, combo);
    m_show.push_back([this, combo, member] { combo->setEditText(m_form.values.*member); });
    m_read.push_back([this, combo, member] { m_form.values.*member = combo->currentText(); });
    return combo;
}

void PayeeFormDialog::buildCommon()
{
    auto* outer = new QVBoxLayout(this);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    m_title->setFont(tahoma(14));
    outer->addWidget(m_title);

    m_body = new QWidget;
    m_body->setObjectName(QStringLiteral("formBody"));
    m_bodyLayout = new QVBoxLayout(m_body);
    if (m_look.tall) {
        m_scroll = new QScrollArea(this);
        m_scroll->setObjectName(QStringLiteral("formScrollArea"));
        m_scroll->setWidgetResizable(true);
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_scroll->setWidget(m_body);
        outer->addWidget(m_scroll, 1);
    } else {
        m_body->setParent(this);
        outer->addWidget(m_body, 1);
    }

    // Payee ID, its hint and the payroll number.
    m_payeeIdBlock = new QWidget(m_body);
    m_payeeIdBlock->setObjectName(QStringLiteral("payeeIdBlock"));
    auto* idGrid = new QGridLayout(m_payeeIdBlock);
    idGrid->setContentsMargins(0, 0, 0, 0);
    m_payeeId = new QLineEdit(m_payeeIdBlock);
    m_payeeId->setObjectName(QStringLiteral("payeeIdEdit"));
    if (!m_look.payeeIdAnyCharacters)
        makeDigitsOnly(m_payeeId, kDigitsOnlyTip, 9);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral(
            "Internal use only, accept the default, or enter a Payee ID number of your choice. Max 9 digits"),
        m_payeeId);
    m_payeeIdHint = new QLabel(QStringLiteral("use default or max 9 digits"), m_payeeIdBlock);
    m_payeeIdHint->setObjectName(QStringLiteral("payeeIdHint"));
    m_payeeIdHint->hide();
    idGrid->addWidget(caption(QStringLiteral("Payee ID:"), m_payeeIdBlock), 0, 0);
    idGrid->addWidget(m_payeeId, 0, 1);
    idGrid->addWidget(markers(PayeeField::PayeeId, QStringLiteral("payeeId")), 0, 2);
    idGrid->addWidget(m_payeeIdHint, 0, 3);
    QLineEdit* payroll = textEdit(QStringLiteral("payrollNo"), &CCards::payrollNo,
        QStringLiteral("Optional - enter your own reference for this Payee eg Payroll Number"));
    payroll->setParent(m_payeeIdBlock);
    idGrid->addWidget(caption(m_look.payrollLabel, m_payeeIdBlock), 1, 0);
    idGrid->addWidget(payroll, 1, 1);
    idGrid->addWidget(markers(PayeeField::PayrollNo, QStringLiteral("payrollNo")), 1, 2);

    // Original/Amended.
    MyGroupBox* origGroup = groupBox(QStringLiteral("Original/Amended"), QStringLiteral("origAmendedGroup"));
    m_origAmendedBlock = origGroup;
    auto* origRow = new QHBoxLayout(origGroup);
    QComboBox* orig = listBox(QStringLiteral("origAmended"), PayeeField::OrigAmended, &CCards::origAmended,
        { QStringLiteral("O"), QStringLiteral("A") }, ListMatch::Text,
        QStringLiteral("Select O if original payment summary or A if amended"));
    origRow->addWidget(new QLabel(QStringLiteral("Original/Amended Indicator"), origGroup));
    origRow->addWidget(orig);
    origRow->addWidget(markers(PayeeField::OrigAmended, QStringLiteral("origAmended")));

    // The corner of the amount warnings.
    m_amountCorner = new QWidget(m_body);
    m_amountCorner->setObjectName(QStringLiteral("amountCorner"));
    auto* cornerGrid = new QGridLayout(m_amountCorner);
    cornerGrid->setContentsMargins(0, 0, 0, 0);
    m_amountValidation = new QLabel(QStringLiteral("Amount Validation"), m_amountCorner);
    m_amountValidation->setObjectName(QStringLiteral("amountValidationLabel"));
    m_check999999 = new QLabel(m_look.check999999Text, m_amountCorner);
    m_check999999->setObjectName(QStringLiteral("check999999Label"));
    m_amountValidation->hide();
    m_check999999->hide();
    cornerGrid->addWidget(m_amountValidation, 0, 0);
    cornerGrid->addWidget(markers(PayeeField::AmountValidation, QStringLiteral("amountValidation")), 0, 1);
    cornerGrid->addWidget(m_check999999, 1, 0);
    cornerGrid->addWidget(markers(PayeeField::Check999999, QStringLiteral("check999999")), 1, 1);

    // The bottom line.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Original Data Source:"), this));
    m_dataSource = new QLabel(this);
    m_dataSource->setObjectName(QStringLiteral("dataSourceLabel"));
    bottom->addWidget(m_dataSource);
    bottom->addStretch();
    m_ignoreWarnings = new QCheckBox(QStringLiteral("Ignore Warnings"), this);
    m_ignoreWarnings->setObjectName(QStringLiteral("ignoreWarningsBox"));
    m_ignoreWarnings->setLayoutDirection(Qt::RightToLeft); // its text on the left
    m_ignoreWarnings->hide();
    CToolTipCtrlExt::AddToolForControl(m_look.ignoreTipSaysFiled ? kIgnoreTipFiled : kIgnoreTip, m_ignoreWarnings);
    m_ignoreMarker = new WarningMarker(this);
    m_ignoreMarker->setObjectName(QStringLiteral("ignoreWarningsMarker"));
    bottom->addWidget(m_ignoreWarnings);
    bottom->addWidget(m_ignoreMarker);
    bottom->addSpacing(12); // the marker goes with the box, not with Help
    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_help->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to view online help"), m_help);
    m_close = new QPushButton(m_look.closeText, this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to close this screen without saving changes."), m_close);
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setDefault(true);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to Save Payee's Details"), m_save);
    bottom->addWidget(m_help);
    bottom->addWidget(m_close);
    bottom->addWidget(m_save);
    outer->addLayout(bottom);

    installHelp(this, m_help, m_context);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &PayeeFormDialog::save);
    connect(m_ignoreWarnings, &QCheckBox::clicked, this, [this] {
        m_form.OnBnClickedIgnoreWarnings();
        m_ignoreWarnings->setChecked(m_form.ignoreWarningsTicked);
    });
}

void PayeeFormDialog::load()
{
    m_form.OnInitDialog();
    m_title->setText(m_form.title);
    showValues();
    m_payeeId->setEnabled(m_form.payeeIdEnabled);
    m_payeeIdHint->setVisible(m_form.payeeIdEnabled);
    m_ignoreWarnings->setChecked(m_form.ignoreWarningsTicked);
    m_ignoreWarnings->setVisible(m_form.ignoreWarningsVisible);
    showFindings();
}

void PayeeFormDialog::showValues()
{
    m_payeeId->setText(m_form.payeeIdText);
    m_dataSource->setText(m_form.values.dataSource);
    for (const auto& show : m_show)
        show();
}

void PayeeFormDialog::readControls()
{
    m_form.payeeIdText = m_payeeId->text();
    m_form.ignoreWarningsTicked = m_ignoreWarnings->isChecked();
    for (const auto& read : m_read)
        read();
}

void PayeeFormDialog::showFindings()
{
    for (const auto& [field, pair] : m_markers) {
        pair.error->setVisible(m_form.hasError(field));
        pair.warning->setVisible(m_form.hasWarning(field));
    }
    m_amountValidation->setVisible(m_form.hasWarning(PayeeField::AmountValidation));
    m_check999999->setVisible(m_form.hasWarning(PayeeField::Check999999));
    m_ignoreWarnings->setVisible(m_form.ignoreWarningsVisible);
    m_ignoreMarker->setVisible(m_form.ignoreWarningsVisible && !m_form.findings().empty());
}

void PayeeFormDialog::save()
{
    readControls();
    const PayeeSaveOutcome outcome = m_form.OnBnClickedSave();
    showFindings();
    if (outcome == PayeeSaveOutcome::Stored)
        accept();
}

void PayeeFormDialog::settleFocus()
{
    const QList<QWidget*> stops = setTabOrderFromLayout(this);
    const auto first = std::find_if(
        stops.begin(), stops.end(), [this](QWidget* stop) { return stop->isEnabled() && stop->isVisibleTo(this); });
    if (first != stops.end())
        (*first)->setFocus(Qt::ActiveWindowFocusReason);
    if (!m_scroll)
        return;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || !m_body->isAncestorOf(now))
            return;
        // The whole field comes into view, not only its text cursor as the
        // scroll area's own ensureWidgetVisible would have it.
        const QRect field(now->mapTo(m_body, QPoint(0, 0)), now->size());
        const QRect shown(-m_body->pos(), m_scroll->viewport()->size());
        if (shown.contains(field))
            return;
        constexpr int room = 10;
        m_scroll->ensureVisible(
            field.center().x(), field.center().y(), field.width() / 2 + room, field.height() / 2 + room);
    });
}

void PayeeFormDialog::showEvent(QShowEvent* event)
{
    if (!m_focusSettled) {
        m_focusSettled = true;
        settleFocus();
    }
    QDialog::showEvent(event);
    if (!m_look.tall || m_placed)
        return;
    m_placed = true;
    // A window manager frames the window only once it is shown; until then
    // the platform reports no frame, and the form is placed to leave room
    // for the one it is about to get, then again once that one is known.
    QMargins frame = reportedFrame();
    const bool framedLater = frame.isNull() && !windowFlags().testFlag(Qt::FramelessWindowHint);
    if (framedLater)
        frame = expectedFrame();
    place(frame);
    if (framedLater)
        watchForFrame();
}

void PayeeFormDialog::place(const QMargins& frame)
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QRect place = TallFormPlacement(wholeFormSize(), available.size() - frameSize,
        int(screen->logicalDotsPerInchX()), m_scroll->verticalScrollBar()->sizeHint().width());
    m_placedFrame = frame;
    m_placedAt = available.topLeft() + place.topLeft();
    m_placedSize = place.size();
    resize(m_placedSize);
    // The top left of the frame goes there.
    move(m_placedAt);
}

void PayeeFormDialog::watchForFrame()
{
    constexpr int kTickMs = 50;
    constexpr int kWaitMs = 5000;
    m_frameWatch = new QTimer(this);
    m_frameWatch->setInterval(kTickMs);
    m_frameWaitEnds = QDeadlineTimer(kWaitMs);
    connect(m_frameWatch, &QTimer::timeout, this, &PayeeFormDialog::checkFrame);
    m_frameWatch->start();
}

void PayeeFormDialog::checkFrame()
{
    // While the window manager frames the window, what the platform reports
    // of it passes through states that are not yet true (a frame measured
    // against the window's old size, a position from before its move), so
    // the frame counts once it and the window have held still a moment.
    constexpr int kStillTicks = 2;
    const QMargins frame = reportedFrame();
    const QRect geometry = frameGeometry();
    m_stillTicks = !frame.isNull() && frame == m_seenFrame && geometry == m_seenGeometry ? m_stillTicks + 1 : 0;
    m_seenFrame = frame;
    m_seenGeometry = geometry;
    // Placed again only where and as large as it was put, give or take its
    // frame: a move or a resize before then, or after the wait, is the user's.
    const QPoint moved = geometry.topLeft() - m_placedAt;
    const bool asPut = size() == m_placedSize && windowState() == Qt::WindowNoState
        && std::abs(moved.x()) <= frame.left() + frame.right() && std::abs(moved.y()) <= frame.top() + frame.bottom();
    const bool framed = m_stillTicks >= kStillTicks && asPut;
    if (!framed && !m_frameWaitEnds.hasExpired() && isVisible())
        return;
    m_frameWatch->stop();
    m_frameWatch->deleteLater();
    m_frameWatch = nullptr;
    if (framed && frame != m_placedFrame)
        place(frame);
}

QMargins PayeeFormDialog::reportedFrame() const
{
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

QMargins PayeeFormDialog::expectedFrame() const
{
    // The frame of the window it opens from, which the same window manager
    // drew; failing that, a frame as the style draws one.
    const QWidget* opener = parentWidget() ? parentWidget()->window() : nullptr;
    if (opener && opener->isVisible() && opener->windowHandle()) {
        const QMargins frame = opener->windowHandle()->frameMargins();
        if (!frame.isNull())
            return frame;
    }
    QStyleOptionTitleBar option;
    option.initFrom(this);
    option.titleBarFlags = windowFlags();
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, &option, this);
    return { border, title + border, border, border };
}

QSize PayeeFormDialog::wholeFormSize() const
{
    // The scroll area asks for a small piece of the body only: the form's own
    // size is the dialog's with the whole body in the scroll area's place.
    layout()->activate();
    const int frame = 2 * m_scroll->frameWidth();
    const QSize bodySize = m_body->sizeHint().expandedTo(m_body->minimumSizeHint()) + QSize(frame, frame);
    const QMargins margins = layout()->contentsMargins();
    const QSize hint = sizeHint();
    return { std::max(hint.width(), bodySize.width() + margins.left() + margins.right()),
        hint.height() - m_scroll->sizeHint().height() + bodySize.height() };
}
