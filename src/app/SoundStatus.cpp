#include "app/SoundStatus.h"

#include "player/SoundSystem.h"

#include <QCoreApplication>

#include <filesystem>

namespace arvento::app {

namespace {
QString FileName(const std::string& path) {
  return QString::fromStdString(std::filesystem::path(path).filename().string());
}
} // namespace

QString SoundLoadingStatus(const std::string& soundFont) {
  return soundFont.empty()
             ? QString()
             : QCoreApplication::translate("SoundStatus", "Загружается звук: %1…").arg(FileName(soundFont));
}

QString SoundStatus(const player::SoundSystem& sound) {
  if (sound.SoundFont().empty())
    return QCoreApplication::translate("SoundStatus", "Звук выключен: не найден SoundFont General MIDI");
  if (!sound.SoundFontLoaded())
    return QCoreApplication::translate("SoundStatus", "Звук выключен: не удалось загрузить %1")
        .arg(FileName(sound.SoundFont()));
  if (!sound.Available())
    return QCoreApplication::translate("SoundStatus", "Звук выключен: нет устройства вывода звука");
  return QCoreApplication::translate("SoundStatus", "Звук: %1").arg(FileName(sound.SoundFont()));
}

} // namespace arvento::app
