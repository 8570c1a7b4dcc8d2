// The stored column layout (a binary profile value anyone can edit): the
// widths taken are those stored for a list of exactly that many columns,
// never more, and a layout written from them reads back the same.
#include "FuzzSupport.h"

#include "widgets/SortListCompare.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(fuzzBytes(data, size));
    const int columnCount = input.takeByte() % 12;
    const QByteArray value = input.rest();
    const std::vector<qint32> widths = DecodeColumnLayout(value, columnCount);

    const bool countMatches = value.size() >= 4 && qFromLittleEndian<qint32>(value.constData()) == columnCount;
    if (!countMatches) {
        FUZZ_CHECK(widths.empty(), QString::number(widths.size()));
        return 0;
    }
    const qsizetype present = std::min<qsizetype>(columnCount, (value.size() - 4) / 4);
    FUZZ_CHECK(qsizetype(widths.size()) == present, QString::number(widths.size()));
    const QByteArray encoded = EncodeColumnLayout(widths);
    FUZZ_CHECK(value.mid(4, 4 * present) == encoded.mid(4), QStringLiteral("a width differs from the stored one"));
    if (present == columnCount)
        FUZZ_CHECK(
            DecodeColumnLayout(encoded, columnCount) == widths, QStringLiteral("the layout does not round trip"));
    return 0;
}
