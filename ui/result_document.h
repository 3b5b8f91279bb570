#pragma once
// What one result window shows: its own copy of the figures of the run that
// opened it, so that later runs leave it as it was.

#include <string>

#include "app/ror_curve.h"
#include "app/run_summary.h"
#include "ui/results_series.h"

namespace lumora {

struct CLumoraDoc {
  std::wstring title;      ///< "BB %d" with the run's big blind setting in cents
  std::wstring plotTitle;  ///< the graphs' title: big-blind and table-size labels
  RunSummary summary;
  RorCurve curve;
  ResultsSeries results;
};

}  // namespace lumora
