#pragma once

#include "core/compute/setup.h"
#include "core/report/outcome.h"
#include "report/report_document.h"

#include <QList>

class CKnownSource;
class CProjectStore;
class CSession;
class QWidget;

// The job the list shows, read as setups; false (and the user told why) when there are none to
// compute from.
bool ReadShownJobSetups(CSession& session, QList<Setup>& setups);

// The known points a computation's dialog chose; false (and the user told why) when they cannot
// be read.
bool ReadChosenKnown(CSession& session, const CKnownSource& source, const QList<Setup>& setups,
                     QList<KnownPoint>& known);

// Replaces the coordinate list by results with `copy` once the user has said yes to `question`,
// and shows the list when it has been replaced.
void CopyResultsAfterAsking(CSession& session, const QString& question, Outcome (*copy)(CProjectStore& store));

// Shows a computation's report in its window, from which the user saves it.
void ShowReport(CSession& session, QWidget& window, ReportDocument document);
