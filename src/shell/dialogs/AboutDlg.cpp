#include "shell/dialogs/AboutDlg.h"

#include "report/AppContext.h"
#include "shell/AboutDlgLogic.h"
#include "widgets/DialogKit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const char* text, const char* name, const char* tip, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    CToolTipCtrlExt::AddToolForControl(QString::fromLatin1(tip), button);
    return button;
}

} // namespace

CAboutDlg::CAboutDlg(AppContext& context, QWidget* parent, VersionCheckOptions versionCheck)
    : QDialog(parent), m_updateCheck(context, std::move(versionCheck))
{
    setWindowTitle(QStringLiteral("About Quillastrand"));
    setApplicationIcon(this);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* logo = new QLabel(this);
        logo->setObjectName(QStringLiteral("logo"));
        logo->setPixmap(icon.pixmap(64, 64));
        top->addWidget(logo);
    }
    auto* names = new QVBoxLayout;
    auto* product = new QLabel(QStringLiteral("Quillastrand"), this);
    product->setObjectName(QStringLiteral("productName"));
    product->setAlignment(Qt::AlignCenter);
    product->setFont(QFont(QStringLiteral("Arial"), 12));
    names->addWidget(product);
    auto* version = new QLabel(AboutVersionText(context), this);
    version->setObjectName(QStringLiteral("versionText"));
    version->setAlignment(Qt::AlignCenter);
    names->addWidget(version);
    top->addLayout(names, 1);
    layout->addLayout(top);
    layout->addSpacing(12);

    for (const char* line : {"Complies with the following ATO Electronic Reporting Specifications:",
                             "- PAYG Withholding Payment Summary Annual Report Version 13.0.2",
                             "- Self-Printing PAYG Withholding Payment Summaries Version 5.3.1"})
        layout->addWidget(new QLabel(QString::fromLatin1(line), this));
    layout->addSpacing(12);

    // One line for each library of other authors that the program uses;
    // each line as wide as its text, so none wraps into the buttons.
    auto* credits = new QWidget(this);
    credits->setObjectName(QStringLiteral("credits"));
    auto* creditLines = new QVBoxLayout(credits);
    creditLines->setContentsMargins(0, 0, 0, 0);
    for (const char* line :
         {"This program uses the following libraries of other authors:",
          "Qt 6, Copyright (C) The Qt Company Ltd., used under the GNU LGPL version 3.",
          "libcurl, Copyright (C) Daniel Stenberg and many contributors, used under the curl licence.",
          "QPDF, Copyright (C) Jay Berkenbilt, used under the Apache License 2.0."})
        creditLines->addWidget(new QLabel(QString::fromLatin1(line), credits));
    layout->addWidget(credits);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    QPushButton* check = makeButton("Check for Update", "checkForUpdate",
                                    "Click to check lastest available version number from Torvek website", this);
    QPushButton* download =
        makeButton("Download Update", "downloadUpdate", "Click to open Torvek downloads page in browser window", this);
    QPushButton* visit =
        makeButton("Visit our website", "visitWebsite", "Click to open Torvek website page in browser window", this);
    QPushButton* ok = makeButton("OK", "ok", "Click to close this dialog", this);
    ok->setDefault(true);
    buttons->addWidget(check);
    buttons->addWidget(download);
    buttons->addWidget(visit);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    // The box stays live while the server is asked; the button waits for the
    // answer before it can ask again.
    connect(check, &QPushButton::clicked, this, [this, check] {
        check->setEnabled(false);
        m_updateCheck.start(UpdateCheckKind::OnRequest, [check](UpdateCheckResult) { check->setEnabled(true); });
    });
    connect(download, &QPushButton::clicked, this, [&context] { OnDownloadUpdate(context); });
    connect(visit, &QPushButton::clicked, this, [&context] { OnVisitWebsite(context); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    installHelp(this, nullptr, context);
}
