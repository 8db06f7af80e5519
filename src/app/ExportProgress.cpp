#include "app/ExportProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>

#include <atomic>
#include <exception>
#include <thread>

namespace arvento::app {

namespace {
constexpr int kSteps = 1000;
} // namespace

std::optional<exporting::ExportReport>
ExportWithProgress(QWidget* window, const decltype(FormServices::exportMidiFile)& exportMidiFile,
                   const std::filesystem::path& midiFile, const std::filesystem::path& out,
                   const exporting::ExportOptions& options) {
  QProgressDialog dialog(QCoreApplication::translate("ExportProgress", "Экспорт в %1…")
                             .arg(QString::fromStdString(out.filename().string())),
                         QCoreApplication::translate("ExportProgress", "Отмена"), 0, kSteps, window);
  dialog.setObjectName("exportProgress");
  dialog.setWindowTitle("Arvento");
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(0);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  std::atomic<bool> cancelled = false;
  QObject::connect(&dialog, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
  dialog.show();

  QEventLoop loop;
  std::optional<exporting::ExportReport> report;
  std::exception_ptr failure;
  // The export waits while the dialog shows how far it has come, so that a
  // cancel clicked by then stops it at its next step.
  const exporting::Progress progress([&](double done) {
    QMetaObject::invokeMethod(
        &dialog, [&dialog, done] { dialog.setValue(static_cast<int>(done * kSteps)); },
        Qt::BlockingQueuedConnection);
    return !cancelled;
  });
  std::thread worker([&] {
    try {
      report = exportMidiFile(midiFile, out, options, progress);
    } catch (const exporting::Cancelled&) {
      // Nothing was written, and there is nothing to report.
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  if (failure)
    std::rethrow_exception(failure);
  return report;
}

} // namespace arvento::app
