#pragma once

#include <QString>

class AppContext;

// The four folders of the Preferences, in the order Save tests them.
enum class SettingsFolder { Reports, Lodgement, PayerList, Pdf };

// What the Preferences dialog decides: the two option boxes, the four Browse
// buttons and Save. The dialog shows the preferences of the context after
// each call. Nothing is written to the profile but by Save.
class SettingsLogic {
public:
    explicit SettingsLogic(AppContext& context);

    // On opening: settles the two options to values the boxes can show.
    void init();

    QString folder(SettingsFolder which) const;
    bool checkUpdatesTicked() const;
    bool printZeroTicked() const;

    // Each box ticks itself; these keep the preference in step.
    void toggleCheckUpdates();
    void togglePrintZero();

    // Lets the user choose the folder, proves it writable and takes it.
    // True when the folder changed.
    bool browse(SettingsFolder which);

    // Tests every folder not yet proved writable, then writes the
    // preferences. False leaves the dialog open with nothing written.
    bool save();

    void setAllowances();
    void setOrganisations();

private:
    bool browsePayerList();

    AppContext& m_context;
};
