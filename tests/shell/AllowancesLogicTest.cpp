#include "shell/AllowancesLogic.h"

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "report/AppContext.h"
#include "report/Preferences.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct ListCase {
    const char* name;
    NameList list;
    QString (*key)(int);
    std::array<QString, 12> Preferences::*names;
    const char* failure;
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.name;
}

class NameListTest : public ::testing::TestWithParam<ListCase> {
protected:
    static QString stored(const QString& key)
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        return settings->value(key, QStringLiteral("<absent>")).toString();
    }

    TestProfile profile;
    ScriptedUi ui;
    LocalFileSystem files;
    AppContext context{ui, files};
};

TEST_P(NameListTest, RowsShowTheNamesInOrder)
{
    const ListCase c = GetParam();
    for (int i = 0; i < 12; ++i)
        (context.prefs.*c.names)[size_t(i)] = QStringLiteral("Name %1").arg(i + 1);
    const auto rows = AllowancesLogic(context, c.list).rows();
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(rows[size_t(i)], QStringLiteral("Name %1").arg(i + 1));
}

TEST_P(NameListTest, EachRowReachesItsOwnKey)
{
    const ListCase c = GetParam();
    std::array<QString, 12> rows;
    for (int i = 0; i < 12; ++i)
        rows[size_t(i)] = QStringLiteral("Row %1").arg(i + 1);
    rows[6].clear(); // an empty row stores an empty name
    AllowancesLogic(context, c.list).save(rows);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(context.prefs.*c.names, rows);
    EXPECT_EQ(stored(c.key(4)), QStringLiteral("Row 5"));
    EXPECT_EQ(stored(c.key(5)), QStringLiteral("Row 6"));
    EXPECT_EQ(stored(c.key(11)), QStringLiteral("Row 12"));
    EXPECT_EQ(stored(c.key(6)), QString());
    for (int i = 0; i < 12; ++i) {
        if (i != 6) {
            EXPECT_EQ(stored(c.key(i)), QStringLiteral("Row %1").arg(i + 1));
        }
    }
    // The names survive a fresh read of the profile.
    const auto settings = openProfile();
    const Preferences reread = ReadPreferences(*settings, QStringLiteral("/nowhere"));
    EXPECT_EQ(reread.*c.names, rows);
}

TEST_P(NameListTest, AProfileThatCannotBeWrittenIsReported)
{
    const ListCase c = GetParam();
    // The profile's own file is a folder: nothing can be written to it.
    const QString file = openProfile()->fileName();
    ASSERT_TRUE(QDir().mkpath(file));
    std::array<QString, 12> rows;
    rows[0] = QStringLiteral("Only");
    AllowancesLogic(context, c.list).save(rows);
    EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(c.failure)});
    EXPECT_EQ((context.prefs.*c.names)[0], QStringLiteral("Only"));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NameListTest,
    ::testing::Values(ListCase{"Allowances", NameList::Allowances, allowanceKey, &Preferences::allowanceNames,
                               "An error occurred while trying to save Allowances to Registry."},
                      ListCase{"Organisations", NameList::Organisations, organisationKey,
                               &Preferences::organisationNames,
                               "An error occurred while trying to save Organisations to Registry."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NameListKeys, AreTwoDigitNumbered)
{
    EXPECT_EQ(allowanceKey(4), QStringLiteral("Allow05"));
    EXPECT_EQ(organisationKey(11), QStringLiteral("Organ12"));
}

} // namespace
