#pragma once

#include "report/CCards.h"

#include <QString>
#include <QStringList>

class AppContext;
class SortListModel;

// The columns of the payee lists (Payee List and Data Review).
inline constexpr int kPayeeListColumns = 7;
inline constexpr int kPayeeIdColumn = 0;
inline constexpr int kPayeeCheckedColumn = 6;

// The TFN, or the ABN of a "Voluntary Agreement" payee, as the lists show
// it: 11 characters as "NN NNN NNN NNN", 9 as "NNN NNN NNN", any other
// length as stored.
QString PayeeTfnAbnText(const CCards& payee);
// ID, Emp No, Type, Surname, Given Name, TFN/ABN, Checked. The ID is the
// payee's key in the payee map, the one every action looks up.
QStringList PayeeRowTexts(qint32 id, const CCards& payee);

// Fills the list with one unticked row per payee in ascending payee ID, and
// writes the counts the main form reads: payeeCount, payeeCountText and
// payeesChecked (Checked exactly "Yes"). It does not sort.
void RefreshPayeeList(AppContext& context, SortListModel& list);
