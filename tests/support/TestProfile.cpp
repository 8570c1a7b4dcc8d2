#include "support/TestProfile.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

TestProfile::TestProfile()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

TestProfile::~TestProfile() = default;

QByteArray readFixture(const QString& dataDir, const QString& name)
{
    QFile file(dataDir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing fixture " << name.toStdString();
        return {};
    }
    return file.readAll();
}
