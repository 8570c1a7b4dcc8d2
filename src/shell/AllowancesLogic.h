#pragma once

#include <QString>

#include <array>

class AppContext;

// Which list of frequently used names: allowances ("Allow01".."Allow12") or
// union and association names ("Organ01".."Organ12"). Both dialogs work alike.
enum class NameList { Allowances, Organisations };

// The Allowances and Organisations lists: twelve rows, row n holding name n.
class AllowancesLogic {
public:
    AllowancesLogic(AppContext& context, NameList list);

    // The names the rows show on opening.
    std::array<QString, 12> rows() const;

    // Takes the twelve rows as the names and writes them to the profile in
    // row order; says so when the profile cannot be written. The dialog
    // closes either way.
    void save(const std::array<QString, 12>& rows);

private:
    std::array<QString, 12>& names() const;

    AppContext& m_context;
    NameList m_list;
};
