#pragma once

#include "shell/VersionCheck.h"

#include <QDialog>

class AppContext;

// The About box: product, version, the specifications it complies with,
// credits, and the version check and web pages.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(AppContext& context, QWidget* parent = nullptr, VersionCheckOptions versionCheck = {});

private:
    // Closing the box ends a check still under way.
    UpdateCheck m_updateCheck;
};
