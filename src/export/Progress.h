#pragma once

// How far a long task has come, for a progress line or a progress dialog,
// and the caller's word on whether it is to go on.

#include <functional>
#include <memory>

namespace arvento::exporting {

// Thrown out of a task whose caller asked it to stop.
struct Cancelled {};

class Progress {
public:
  // report gets the fraction done, 0 to 1, and returns false to stop the task.
  explicit Progress(std::function<bool(double)> report);

  // The stretch from `from` to `to` of this task's whole, reported as 0 to 1 of its own.
  Progress Part(double from, double to) const;
  // Tells the fraction of this part that is done. Steps of less than a
  // hundredth of the whole are not told, so that the caller is not flooded.
  // Throws Cancelled when the caller wants the task to stop.
  void Report(double done) const;

private:
  struct Shared;
  Progress(std::shared_ptr<Shared> shared, double from, double to);
  std::shared_ptr<Shared> shared_;
  double from_ = 0;
  double to_ = 1;
};

} // namespace arvento::exporting
