#pragma once

#include <QFont>

// The toolkit's controls draw their Chinese texts in "宋体"; where that face is not installed
// the default font is used at the same pixel size, and the font matcher finds CJK glyphs.
QFont ToolkitChineseFont(int pixelSize, int weight);
