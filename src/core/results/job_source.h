#pragma once

#include "core/compute/job_rows.h"
#include "core/compute/setup_reader.h"
#include "core/report/outcome.h"
#include "core/views/data_kind.h"

#include <QList>

class CProjectStore;

// The stored rows of a measurement job (DataKind::Meas for 740Meas, DataKind::V2Meas for
// 520Meas) in stored order. Ends Done, NoRecords (the table holds no row) or DatabaseError
// (the store has said why).
Outcome ReadJobRows(CProjectStore& store, DataKind kind, QList<JobRow>& rows);

// The job's setups, both faces paired: ReadJobRows, then ReadSetups.
Outcome ReadJobSetups(CProjectStore& store, DataKind kind, QList<Setup>& setups, const FaceTolerance& tolerance = {});
