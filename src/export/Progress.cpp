#include "export/Progress.h"

#include <algorithm>

namespace arvento::exporting {

namespace {
constexpr double kStep = 0.01;
} // namespace

struct Progress::Shared {
  std::function<bool(double)> report;
  double told = -1; // the last fraction of the whole that was told
};

Progress::Progress(std::function<bool(double)> report)
    : shared_(std::make_shared<Shared>(Shared{std::move(report)})) {}

Progress::Progress(std::shared_ptr<Shared> shared, double from, double to)
    : shared_(std::move(shared)), from_(from), to_(to) {}

Progress Progress::Part(double from, double to) const {
  return Progress(shared_, from_ + (to_ - from_) * from, from_ + (to_ - from_) * to);
}

void Progress::Report(double done) const {
  const double whole = from_ + (to_ - from_) * std::clamp(done, 0.0, 1.0);
  if (whole < shared_->told + kStep && whole < 1)
    return;
  shared_->told = whole;
  if (!shared_->report(whole))
    throw Cancelled{};
}

} // namespace arvento::exporting
