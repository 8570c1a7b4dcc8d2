#pragma once

#include "report/CPayers.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The Payer List file format (LivePayerList.mpl and every export): the
// number of entries, then each entry in ascending key order as its key,
// its 17 texts and its date.
QByteArray WritePayerList(const PayerMap& payers);

// Hands every whole entry of the file to take, in file order. Throws
// ArchiveError when the file ends early, announces a negative count or
// holds more than its count says: the entries handed over so far stay
// with the caller.
void ReadPayerList(const QByteArray& bytes, const std::function<void(const QString& key, CPayers entry)>& take);

// True when the bytes are a whole Payer List file.
bool IsWholePayerList(const QByteArray& bytes);
