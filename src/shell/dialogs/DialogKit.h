#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QString>

class AppContext;
class QAbstractButton;
class QDialog;
class QWidget;

// Blue of chosen captions and read-only values.
inline const QColor kCaptionBlue(0, 0, 255);

// A group box whose caption takes the colour its dialog chooses.
class MyGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit MyGroupBox(const QString& title = QString(), QWidget* parent = nullptr);
    void setCaptionColor(const QColor& color);
};

// The tooltip of a dialog's controls: one line of help per control.
class CToolTipCtrlExt {
public:
    static void AddToolForControl(const QString& text, QWidget* control);
};

// The marker beside a refused field: a small red square with a black 'E'.
class ErrorMarker : public QLabel {
    Q_OBJECT
public:
    explicit ErrorMarker(QWidget* parent = nullptr);
};

// Paints a label's text blue on a transparent background.
void setBlue(QLabel* label);

// Routes F1 and the dialog's Help button (when given) to the help page.
void installHelp(QDialog* dialog, QAbstractButton* helpButton, AppContext& context);

// The application icon, set on every dialog.
void setApplicationIcon(QWidget* window);
