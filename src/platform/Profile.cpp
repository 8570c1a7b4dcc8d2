#include "platform/Profile.h"

std::unique_ptr<QSettings> openProfile()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(kProfileOrganisation),
                                       QString::fromLatin1(kProfileApplication));
}
