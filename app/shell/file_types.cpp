#include "file_types.h"

#include "framework/exceptions.h"
#include "framework/system.h"

namespace FileTypes {

std::unique_ptr<fw::FileType> pText;

void _Initialize()
{
    pText = std::make_unique<fw::FileType>();
    fw::FileType* type = fw::nonNil(pText.get(), "FileTypes.pText");
    type->setName(QStringLiteral("text"));
    type->setExtensions(QString());
    type->setMacType(QStringLiteral("TEXT"));
    type->setMacCreator(QStringLiteral("R*ch"));
}

void release()
{
    pText.reset();
}

} // namespace FileTypes
