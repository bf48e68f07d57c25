#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace mainwindow {

void installFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("AppleMyungjo"),
                                   {QStringLiteral("Noto Serif CJK KR"), QStringLiteral("Noto Serif CJK TC"),
                                    QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif CJK SC")});
        return true;
    }();
    (void)installed;
}

} // namespace mainwindow
