#pragma once

class CCommandActions;
class CSession;
class QWidget;

// The computations of the "计算" menu and panel page: recomputed points, both faces, traverse,
// the list of recomputed points and its copy into the coordinate list. Each shows its report.
void RegisterComputeCommands(CCommandActions& commands, CSession& session, QWidget& window);
