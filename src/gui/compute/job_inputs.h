#pragma once

#include "core/compute/setup.h"
#include "report/report_document.h"

#include <QList>

class CSession;
class QWidget;

// The job the list shows, read as setups; false (and the user told why) when there are none to
// compute from.
bool ReadShownJobSetups(CSession& session, QList<Setup>& setups);

// Shows a computation's report in its window, from which the user saves it.
void ShowReport(CSession& session, QWidget& window, ReportDocument document);
