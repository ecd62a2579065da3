#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"

#include <QString>

// The name of an observation as the summary and the report give it: "STATION->PT direction",
// "… distance" or "… height difference".
QString ObservationName(const Adjustment::Network& network, const Adjustment::ObservationRef& ref);

// The plain-text report of an adjustment: the network and the a priori values, the adjusted
// coordinates with their standard deviations and ellipses, the orientations, every residual
// with its redundancy and standardized value, the global test and data snooping; the heights
// when they were adjusted.
QString AdjustmentReportText(const Adjustment::Network& network, const Adjustment::PlanAdjustment& plan,
                             const Adjustment::HeightAdjustment* heights);
