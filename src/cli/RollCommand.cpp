#include "cli/Args.h"
#include "cli/CliIo.h"
#include "cli/CliLanguage.h"
#include "cli/Commands.h"
#include "cli/HelperCommandHelp.h"
#include "core/Error.h"
#include "core/Translate.h"
#include "roll/RollFile.h"
#include "roll/RollPicture.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace arvento::cli {

namespace {

constexpr int kLeastSide = 16;
constexpr int kLargestSide = 10000;

// Qt's notices about the environment (no runtime directory, no display) are
// no concern of a command that only paints; its failures are its own errors.
void QuietQtNotices(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "arvento-cli roll: %s\n", qPrintable(message));
}

std::vector<std::uint8_t> PngBytes(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG"))
    throw Error(Tr("Не удалось закодировать картинку в PNG"));
  return {png.begin(), png.end()};
}

int RunRoll(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"-o", "--width", "--height"});
  const std::string input = args.Single("IN.mid");
  const std::optional<std::string> output = args.Value("-o");
  if (!output || output->empty())
    throw UsageError(Tr("missing %1", "-o OUT.png"));
  const QSize size(args.Int("--width", kLeastSide, kLargestSide, 1200),
                   args.Int("--height", kLeastSide, kLargestSide, 600));
  CheckOutputIsNotInput(input, *output);
  const midi::SmfNotes notes = roll::ReadRollFile(input);
  // Fonts and images need a GUI application, but no display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(QuietQtNotices);
  int argc = 1;
  char name[] = "arvento-cli";
  char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);
  // The application has set every locale category from the environment.
  UseMessageLocale();
  WriteOutputFile(*output, PngBytes(roll::DrawRollPicture(notes, size)));
  return kExitOk;
}

} // namespace

const Command kRollCommand = {"roll", kRollSummary, kRollHelp, RunRoll};

} // namespace arvento::cli
