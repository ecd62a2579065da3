#pragma once

class CCommandActions;
class CSession;
class QWidget;

// The least-squares commands of the "计算" menu and panel page: adjusting the whole job, a free
// station, the list of adjusted points and its copy into the coordinate list. Each adjustment
// runs in the background and then shows its points, its plan with error ellipses and its
// report, and offers a re-run without the observation that data snooping names.
void RegisterAdjustCommands(CCommandActions& commands, CSession& session, QWidget& window);
