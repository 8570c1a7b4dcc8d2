#include "widgets/DialogKit.h"

#include "report/AppContext.h"
#include "widgets/HelpActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

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
