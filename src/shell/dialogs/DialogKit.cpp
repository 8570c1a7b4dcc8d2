#include "DialogKit.h"

#include "AppContext.h"
#include "HelpActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QPixmap>
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
    QPixmap pixmap(14, 14);
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
    setFixedSize(14, 14);
    setToolTip(QStringLiteral("Please correct this field"));
    hide();
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

void setApplicationIcon(QWidget* window)
{
    window->setWindowIcon(QApplication::windowIcon());
}
