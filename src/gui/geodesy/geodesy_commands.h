#pragma once

class CCommandActions;
class CSession;
class QWidget;

// The coordinate systems: the project's system, transforming the point list, fitting and
// applying transformation parameters, and the point list for maps (KML, GeoJSON).
void RegisterGeodesyCommands(CCommandActions& commands, CSession& session, QWidget& window);
