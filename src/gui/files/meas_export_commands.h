#pragma once

class CMerionApp;
class CPlxView;

// The measurement exports of the job lists' context menus: angle (32789), horizontal (32785)
// and slope distance (32788) of 740Meas; the full layouts of 740Meas (32791, 32792) and
// 520Meas (32793, 32794).
void RegisterMeasExportCommands(CMerionApp& app, CPlxView& view);
