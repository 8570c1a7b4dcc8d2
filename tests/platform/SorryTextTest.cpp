#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace {

TEST(SorryText, AccessDeniedIsSorry1AndEveryOtherFailureSorry3)
{
    const QString rest = QStringLiteral("you do not seem to have write access");
    EXPECT_EQ(SorryText(FileError::AccessDenied, rest), QStringLiteral("Sorry1 - ") + rest);
    for (FileError e : {FileError::NotFound, FileError::AlreadyExists, FileError::Other})
        EXPECT_EQ(SorryText(e, rest), QStringLiteral("Sorry3 - ") + rest);
}

} // namespace
