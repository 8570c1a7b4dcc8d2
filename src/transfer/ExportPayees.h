#pragma once

#include <functional>

class AppContext;

// The logic of the Export dialog. The chosen type (0 none, 1 to 7 in the
// order INB, ETP, BUS, FEI, PEN, SLS, DAS) outlives the dialog: the radio
// buttons set it, an export resets it, opening or cancelling the dialog
// leaves it as it was.
class ExportPayees {
public:
    ExportPayees(AppContext& context, int& chosenType);

    void choose(int type) { m_chosenType = type; }
    int chosenType() const { return m_chosenType; }

    // "Tab Delimited Export": with no type chosen, the message and the dialog
    // stays open; otherwise endDialog, then the exporter of the type.
    void OnBnClickedTabDelimitedExport(const std::function<void()>& endDialog);

private:
    AppContext& m_context;
    int& m_chosenType;
};
