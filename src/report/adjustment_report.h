#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"
#include "report/report_document.h"

// The report of a least-squares adjustment: the network and its a priori values, the
// iterations, the adjusted coordinates with their standard deviations and ellipses, the
// orientations, every residual with its redundancy and standardized value, the global test
// and data snooping; the heights when they were adjusted (`heights` not null).
ReportDocument AdjustmentReport(const Adjustment::Network& network, const Adjustment::PlanAdjustment& plan,
                                const Adjustment::HeightAdjustment* heights);
