#include "report/AppContext.h"

AppContext::AppContext(UserInterface& ui, FileSystem& files)
    : ui(ui), files(files), m_report(std::make_unique<Report>())
{
}

AppContext::~AppContext() = default;

QString AppContext::builtVersion()
{
    return QStringLiteral(QLS_VERSION_TEXT);
}
