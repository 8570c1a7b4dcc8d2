#include "platform/FileSystem.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "shell/AboutDlgLogic.h"
#include "shell/LocalHttpServer.h"
#include "shell/UpdateCheckRunner.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

// Whatever the version page holds is quoted as typed: markup in it is shown,
// never obeyed.
TEST(VersionReplyMessage, QuotesThePageAsPlainText)
{
    const QByteArray body = "<b>maintenance</b>";
    LocalHttpServer server(LocalHttpServer::Mode::Reply, body);
    QtUserInterface ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    context.webBase = server.base();
    VersionCheckOptions options{2000ms, 5000ms, QStringLiteral("4.0.0.0")};

    QString shown;
    bool plain = false;
    std::function<void()> answer;
    answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        shown = box->text();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        plain = label && label->textFormat() == Qt::PlainText;
        box->accept();
    };
    QTimer::singleShot(0, answer);
    checkOnRequest(context, options);

    EXPECT_EQ(shown, QStringLiteral("Latest Version is <b>maintenance</b>"));
    EXPECT_TRUE(plain);
}

} // namespace
