#include "export/backends/AacCodec.h"

#include "core/Error.h"
#include "core/InstallLayout.h"
#include "core/Translate.h"
#include "export/backends/AacModuleEntry.h"

#include <dlfcn.h>

#include <mutex>
#include <string>

namespace arvento::exporting {

namespace {

std::filesystem::path Path() {
  return PrivateFile(ARVENTO_AAC_MODULE);
}

// Loaded once and kept for the life of the process.
const AacModuleEntry& Module() {
  static std::once_flag once;
  static const AacModuleEntry* entry = nullptr;
  static std::string problem;
  std::call_once(once, [] {
    void* module = dlopen(Path().c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto find = module != nullptr
                          ? reinterpret_cast<decltype(&ArventoAacModule)>(dlsym(module, "ArventoAacModule"))
                          : nullptr;
    if (find != nullptr)
      entry = find();
    else
      problem = dlerror();
  });
  if (entry == nullptr)
    throw Error(Tr("Не удалось загрузить кодер AAC %1: %2", Path().string(), problem));
  return *entry;
}

// Runs a call into the module, its failure shown in the user's language.
template <typename Call> auto Translated(Call call) {
  try {
    return call();
  } catch (const AacFailure& failure) {
    throw Error(Tr(failure.message, failure.reason));
  }
}

} // namespace

std::vector<std::uint8_t> EncodeAacMp4(std::span<const float> interleavedStereo, int sampleRate,
                                       const Progress& progress) {
  return Translated([&] { return Module().encode(interleavedStereo, sampleRate, progress); });
}

std::vector<float> DecodeAacMp4(std::span<const std::uint8_t> file) {
  return Translated([&] { return Module().decode(file); });
}

} // namespace arvento::exporting
