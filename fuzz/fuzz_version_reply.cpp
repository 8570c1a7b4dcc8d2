// The version page's reply from the web: read as 8-bit text, it is a
// version number only when it has 7 or 8 characters with digits where the
// rule wants them, and then its value is exactly those digits.
#include "FuzzSupport.h"

#include "report/Windows1252.h"
#include "shell/VersionCheck.h"

namespace
{

bool digit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = decodeWindows1252(fuzzBytes(data, size));
    FUZZ_CHECK(reply.size() == qsizetype(size), QStringLiteral("8-bit text is one character a byte"));
    const VersionNumber number = ParseVersionNumber(reply);

    if (reply.size() != 7 && reply.size() != 8) {
        FUZZ_CHECK(number.parse == VersionParse::WrongLength && number.value == 0, reply);
        return 0;
    }
    bool digits = digit(reply[0]) && digit(reply[2]) && digit(reply[4]) && digit(reply[6]);
    if (reply.size() == 8)
        digits = digits && digit(reply[7]);
    if (!digits) {
        FUZZ_CHECK(number.parse == VersionParse::NotANumber && number.value == 0, reply);
        return 0;
    }
    const qint32 last = reply.mid(6).toInt();
    const qint32 expected
        = ((reply[0].digitValue() * 100 + reply[2].digitValue()) * 100 + reply[4].digitValue()) * 100 + last;
    FUZZ_CHECK(number.parse == VersionParse::Number && number.value == expected,
        reply + QStringLiteral(" gave ") + QString::number(number.value));
    return 0;
}
