#include "lodgement/PdfServices.h"
#include "lodgement/dialogs/CGenerate1.h"
#include "platform/FileSystem.h"
#include "report/AppContext.h"
#include "support/ScriptedUi.h"
#include "widgets/ClippedText.h"
#include "widgets/DialogKit.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(GenerateFilesLayout, CaptionAndButtonsShowWhole)
{
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context(ui, files);
    CGenerate1 dialog(context, noPdfServices());
    fitWidthToTitle(&dialog);
    dialog.show();
    EXPECT_EQ(clippedTexts(&dialog), QStringList());
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100);
}

} // namespace
