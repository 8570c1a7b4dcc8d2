#include "report/Archive.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace
{

void writeSample(ArchiveWriter& w)
{
    w.writeInt(-2);
    w.writeText(QStringLiteral("veskq1"));
    w.writeText(QString());
    w.writeText(QString(300, u'\u00e9'));
    w.writeTime(1700000000);
}

TEST(ArchiveWriter, ExactSizeWritesWhatGrowingWrites)
{
    ArchiveWriter growing;
    writeSample(growing);
    ArchiveSize size;
    size(qint32(-2));
    size(QStringLiteral("veskq1"));
    size(QString());
    size(QString(300, u'\u00e9'));
    size(qint64(1700000000));
    ArchiveWriter exact(size.bytes);
    writeSample(exact);
    const QByteArray bytes = exact.take();
    EXPECT_EQ(bytes.size(), size.bytes);
    EXPECT_EQ(bytes, growing.take());
}

TEST(ArchiveWriter, BytesTakenMidwayStayAsTheyWere)
{
    ArchiveWriter w;
    w.writeInt(1);
    const QByteArray early = w.bytes();
    w.writeInt(2);
    EXPECT_EQ(early, QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(w.bytes(), QByteArray("\x01\x00\x00\x00\x02\x00\x00\x00", 8));
}

TEST(ArchiveReader, RepeatedShortTextsReadAsTheirOwnValues)
{
    ArchiveWriter w;
    const QStringList texts { QStringLiteral("INB"), QStringLiteral("07"), QStringLiteral("INB"), QString(),
        QStringLiteral("ETP"), QStringLiteral("07"), QStringLiteral("Sixteen letters!"),
        QStringLiteral("Sixteen letters!"), QStringLiteral("seventeen letters"), QStringLiteral("seventeen letters") };
    for (const QString& t : texts)
        w.writeText(t);
    const QByteArray bytes = w.take();
    ArchiveReader r(bytes);
    QStringList read;
    for (qsizetype i = 0; i < texts.size(); ++i)
        read.append(r.readText());
    EXPECT_EQ(read, texts);
    EXPECT_TRUE(r.atEnd());
    // A shared text changed in one place changes nowhere else.
    read[2][0] = u'X';
    EXPECT_EQ(read[0], QStringLiteral("INB"));
}

} // namespace
