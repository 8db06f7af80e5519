#include "app/SoundStatus.h"

#include "player/SoundSystem.h"

#include <filesystem>

namespace arvento::app {

namespace {
QString FileName(const std::string& path) {
  return QString::fromStdString(std::filesystem::path(path).filename().string());
}
} // namespace

QString SoundLoadingStatus(const std::string& soundFont) {
  return soundFont.empty() ? QString() : "Загружается звук: " + FileName(soundFont) + "…";
}

QString SoundStatus(const player::SoundSystem& sound) {
  if (sound.SoundFont().empty())
    return "Звук выключен: не найден SoundFont General MIDI";
  if (!sound.SoundFontLoaded())
    return "Звук выключен: не удалось загрузить " + FileName(sound.SoundFont());
  if (!sound.Available())
    return "Звук выключен: нет устройства вывода звука";
  return "Звук: " + FileName(sound.SoundFont());
}

} // namespace arvento::app
