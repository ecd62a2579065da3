#pragma once

class CCommandActions;
class CPlxView;
class CSession;

// The measurement exports of the job lists' context menus: angle, horizontal and slope distance
// of 740Meas; the full layouts of 740Meas and 520Meas.
void RegisterMeasExportCommands(CCommandActions& commands, CSession& session, CPlxView& list);
