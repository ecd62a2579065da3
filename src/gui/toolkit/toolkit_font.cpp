#include "gui/toolkit/toolkit_font.h"

#include <QApplication>
#include <QFontDatabase>

QFont ToolkitChineseFont(int pixelSize, int weight)
{
    QFont font = QApplication::font();
    for (const QString& family : {QStringLiteral("宋体"), QStringLiteral("SimSun")})
    {
        if (QFontDatabase::hasFamily(family))
        {
            font = QFont(family);
            break;
        }
    }
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}
