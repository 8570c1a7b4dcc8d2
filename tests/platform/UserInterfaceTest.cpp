#include "platform/UserInterface.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageIcons, DefaultFollowsTheButtons)
{
    EXPECT_EQ(resolvedIcon(MessageIcon::Default, MessageButtons::Ok), MessageIcon::Warning);
    EXPECT_EQ(resolvedIcon(MessageIcon::Default, MessageButtons::YesNoCancel), MessageIcon::Question);
    EXPECT_EQ(resolvedIcon(MessageIcon::Information, MessageButtons::YesNo), MessageIcon::Information);
}

TEST(FileDialogFilters, SplitsLabelPatternPairs)
{
    EXPECT_EQ(fileDialogNameFilters(QStringLiteral("MPL Files (*.mpl)|*.mpl|All Files (*.*)|*.*||")),
              (QStringList{QStringLiteral("MPL Files (*.mpl)"), QStringLiteral("All Files (*.*)")}));
    EXPECT_EQ(fileDialogNameFilters(QStringLiteral("Text|*.txt;*.tab||")),
              QStringList{QStringLiteral("Text (*.txt *.tab)")});
    EXPECT_TRUE(fileDialogNameFilters(QString()).isEmpty());
}

} // namespace
