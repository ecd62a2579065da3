#include "gui/toolkit/caption_width.h"

#include <QApplication>
#include <QFontMetrics>

namespace
{
// What a window manager puts beside the caption: its icon and three buttons, with margins.
constexpr int TitleBarDecorations = 160;
} // namespace

int WidthForCaption(const QString& caption)
{
    // Title bars commonly set their caption in bold.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(caption) + TitleBarDecorations;
}
