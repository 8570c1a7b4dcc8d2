#pragma once

#include "shell/SettingsLogic.h"

#include <QDialog>

class AppContext;
class QCheckBox;
class QLineEdit;

// The Preferences dialog: the four default folders, the two options and the
// way to the two name lists.
class CSettings : public QDialog {
    Q_OBJECT
public:
    explicit CSettings(AppContext& context, QWidget* parent = nullptr);

private:
    void OnBnClickedBrowse(SettingsFolder which);
    void OnBnClickedSave();
    void showFolders();

    AppContext& m_context;
    SettingsLogic m_logic;
    QLineEdit* m_folders[4] = {};
    QCheckBox* m_checkUpdates = nullptr;
    QCheckBox* m_printZero = nullptr;
};
