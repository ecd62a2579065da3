#include "gui/app/program_icon.h"

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/merion.png").arg(size), QSize(size, size));
    return icon;
}
