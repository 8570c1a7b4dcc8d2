#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Points the user's profile (QSettings, user scope) at a fresh temporary
// folder for as long as it lives, so tests never touch a real profile.
class TestProfile {
public:
    TestProfile();
    ~TestProfile();
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Reads a fixture file that sits beside the tests of the calling folder.
QByteArray readFixture(const QString& dataDir, const QString& name);
