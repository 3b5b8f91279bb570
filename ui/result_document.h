#pragma once
// What one result window shows: its own copy of the figures of the run that
// opened it, so that later runs leave it as it was.

#include <string>

#include "app/ror_curve.h"
#include "app/run_summary.h"

namespace lumora {

struct CLumoraDoc {
  std::wstring title;  ///< "BB %d" with the run's big blind setting in cents
  RunSummary summary;
  RorCurve curve;
};

}  // namespace lumora
