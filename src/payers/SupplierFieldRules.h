#pragma once

#include <QString>
#include <QStringList>

// Field rules of the supplier details that do not depend on the dialog.

// An ABN or WPN is shown as "XX XXX XXX XXX" when it has exactly 11
// characters, unchanged otherwise.
QString SupplierAbnDisplay(const QString& abn);
// Every blank removed, as the ABN is stored.
QString SupplierRemoveBlanks(const QString& text);

// The nine items of the state lists, in the order the lists show them.
const QStringList& SupplierStates();

// An e-mail address after its blanks are removed: empty, or something
// before an "@", a "." after it with at least one character following, and
// no "." at the end.
bool SupplierEmailAcceptable(const QString& email);
