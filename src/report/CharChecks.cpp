#include "report/CharChecks.h"

#include "platform/UserInterface.h"

#include <algorithm>

bool CCharCheck::AddRange(char first, char last)
{
    const auto lo = static_cast<signed char>(first);
    const auto hi = static_cast<signed char>(last);
    if (hi <= lo)
        return false;
    for (int c = lo; c <= hi; ++c) {
        if (!Contains(QChar(char16_t(c))))
            m_allowed.push_back(static_cast<signed char>(c));
    }
    return true;
}

void CCharCheck::Add(char c)
{
    const auto code = static_cast<signed char>(c);
    if (std::find(m_allowed.begin(), m_allowed.end(), code) == m_allowed.end())
        m_allowed.push_back(code);
}

bool CCharCheck::Contains(QChar c) const
{
    const char16_t code = c.unicode();
    if (code > 0x7F)
        return false;
    return std::find(m_allowed.begin(), m_allowed.end(), static_cast<signed char>(code)) != m_allowed.end();
}

int CCharCheck::FindInvalid(const QString& text, int start) const
{
    if (start < 1)
        start = 1;
    for (qsizetype i = start - 1; i < text.size(); ++i) {
        if (!Contains(text.at(i)))
            return int(i + 1);
    }
    return 0;
}

namespace {

CCharCheck withSingles(CCharCheck set, const char* singles)
{
    for (const char* p = singles; *p; ++p)
        set.Add(*p);
    return set;
}

CCharCheck lettersAndDigits()
{
    CCharCheck set;
    set.AddRange('a', 'z');
    set.AddRange('A', 'Z');
    set.Add(' ');
    set.AddRange('0', '9');
    return set;
}

} // namespace

int CheckTextChars(const QString& text)
{
    static const CCharCheck set = withSingles(lettersAndDigits(), "!@#$%^&*()_+-={}[]|\\:;'<>?,/~`");
    return set.FindInvalid(text, 1);
}

int CheckPhoneChars(const QString& text)
{
    static const CCharCheck set = [] {
        CCharCheck digits;
        digits.Add(' ');
        digits.AddRange('0', '9');
        return withSingles(digits, "+()-");
    }();
    return set.FindInvalid(text, 1);
}

int CheckFileRefChars(const QString& text)
{
    static const CCharCheck set = withSingles(lettersAndDigits(), "()&/'\"-#");
    return set.FindInvalid(text, 1);
}

namespace {

bool allDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

bool CheckABN(const QString& text, UserInterface& ui)
{
    if (text.size() != 11 || !allDigits(text)) {
        ui.message(QStringLiteral("ABN must be 11 digits, no spaces."));
        return false;
    }
    if (text == QLatin1String("00000000000"))
        return true;
    static constexpr int weights[11] = {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    int sum = 0;
    for (int i = 0; i < 11; ++i) {
        int digit = text.at(i).unicode() - u'0';
        if (i == 0)
            digit -= 1;
        sum += digit * weights[i];
    }
    // Only a positive sum is a real ABN; a zero or negative one comes from
    // malformed numbers that merely begin with 0 or 1.
    return sum > 0 && sum % 89 == 0;
}

bool CheckTFN(const QString& text)
{
    if (text.size() != 9)
        return false;
    if (text == QLatin1String("000000000") || text == QLatin1String("111111111")
        || text == QLatin1String("333333333") || text == QLatin1String("444444444"))
        return true;
    if (text == QLatin1String("987654321"))
        return false;
    if (!allDigits(text))
        return false;
    static constexpr int weights[9] = {10, 7, 8, 4, 6, 3, 5, 2, 1};
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (text.at(i).unicode() - u'0') * weights[i];
    return sum % 11 == 0;
}
