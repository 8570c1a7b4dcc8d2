#pragma once

#include <QString>

#include <vector>

class UserInterface;

// A set of allowed characters built from ranges and single characters.
class CCharCheck {
public:
    virtual ~CCharCheck() = default;

    // Adds first..last inclusive; refuses (false) when last is not above first.
    bool AddRange(char first, char last);
    void Add(char c);
    bool Contains(QChar c) const;
    // Position (from 1) of the first character at or after start outside the
    // set; 0 when there is none.
    int FindInvalid(const QString& text, int start = 1) const;

private:
    std::vector<signed char> m_allowed;
};

// Position (from 1) of the first character outside the allowed set, 0 when all are allowed.
int CheckTextChars(const QString& text);
int CheckPhoneChars(const QString& text);
int CheckFileRefChars(const QString& text);

// An ABN of 11 digits with valid check digits, or the placeholder
// "00000000000". Says "ABN must be 11 digits, no spaces." when malformed.
bool CheckABN(const QString& text, UserInterface& ui);
// A TFN of 9 digits with valid check digits, or one of the placeholders.
bool CheckTFN(const QString& text);
