#include "view/ProgramFont.h"

QStringList ProgramFontFamilies()
{
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
            QStringLiteral("Noto Sans CJK JP")};
}
