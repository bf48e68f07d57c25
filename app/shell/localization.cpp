#include "localization.h"

#include "framework/system.h"

namespace LocalizationMod {

QString kNature()
{
    return fw::System::_GetLocalizedString(QStringLiteral("LocalizationMod.kNature"), QStringLiteral("Represents"));
}

} // namespace LocalizationMod
