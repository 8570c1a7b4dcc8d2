#include "platform/UserInterface.h"

MessageIcon resolvedIcon(MessageIcon icon, MessageButtons buttons)
{
    if (icon != MessageIcon::Default)
        return icon;
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageIcon::Warning;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageIcon::Question;
    }
    return MessageIcon::Warning;
}

QStringList fileDialogNameFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts.at(i);
        const QString pattern = parts.at(i + 1);
        if (label.isEmpty() && pattern.isEmpty())
            break;
        QString patterns = pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (label.contains(QLatin1Char('(')))
            result << label;
        else
            result << QStringLiteral("%1 (%2)").arg(label, patterns);
    }
    return result;
}
