#include "midi/SmfReader.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <sstream>

namespace arvento::midi {

namespace {

class Reader {
public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  bool AtEnd(std::size_t end) const { return position_ >= end; }

  std::uint8_t Byte(std::size_t end) {
    if (position_ >= end)
      throw Error(Tr("Файл MIDI оборван на смещении %1", position_));
    return bytes_[position_++];
  }
  std::uint8_t Peek(std::size_t end) const {
    if (position_ >= end)
      throw Error(Tr("Файл MIDI оборван на смещении %1", position_));
    return bytes_[position_];
  }
  std::uint32_t Number(int size, std::size_t end) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
      value = value << 8 | Byte(end);
    return value;
  }
  std::uint32_t Vlq(std::size_t end) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t byte = Byte(end);
      value = value << 7 | (byte & 0x7F);
      if ((byte & 0x80) == 0)
        return value;
    }
    throw Error(Tr("Слишком длинное число переменной длины на смещении %1", position_));
  }
  std::string Tag() {
    std::string tag;
    for (int i = 0; i < 4; ++i)
      tag += static_cast<char>(Byte(bytes_.size()));
    return tag;
  }
  std::vector<std::uint8_t> Take(std::uint32_t count, std::size_t end) {
    if (end - position_ < count)
      throw Error(Tr("Файл MIDI оборван на смещении %1", position_));
    std::vector<std::uint8_t> data(bytes_.begin() + static_cast<std::ptrdiff_t>(position_),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(position_ + count));
    position_ += count;
    return data;
  }

private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

int DataLength(std::uint8_t status) {
  switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
      return 1;
    default:
      return 2;
  }
}

SmfTrack ReadTrack(Reader& reader, std::size_t fileSize) {
  SmfTrack track;
  track.offset = reader.Position();
  if (reader.Tag() != "MTrk")
    throw Error(Tr("Нет метки MTrk на смещении %1", track.offset));
  track.length = reader.Number(4, fileSize);
  const std::size_t end = reader.Position() + track.length;
  if (end > fileSize)
    throw Error(Tr("Дорожка на смещении %1 длиннее файла", track.offset));
  // The files this program writes give every event its status byte, four
  // bytes a note event at least: room for that many at once spares a long
  // track its copies as it grows.
  track.events.reserve(track.length / 4);
  std::uint32_t tick = 0;
  std::uint8_t runningStatus = 0;
  bool ended = false;
  while (!reader.AtEnd(end)) {
    if (ended)
      throw Error(Tr("События после конца дорожки на смещении %1", reader.Position()));
    SmfEvent event;
    tick += reader.Vlq(end);
    event.tick = tick;
    std::uint8_t status = reader.Peek(end);
    if (status & 0x80)
      reader.Byte(end);
    else if (runningStatus != 0)
      status = runningStatus;
    else
      throw Error(Tr("Байт данных без статуса на смещении %1", reader.Position()));
    event.status = status;
    if (status == 0xFF) {
      event.metaType = reader.Byte(end);
      event.data = reader.Take(reader.Vlq(end), end);
      ended = event.metaType == 0x2F;
    } else if (status == 0xF0 || status == 0xF7) {
      event.data = reader.Take(reader.Vlq(end), end);
    } else if (status >= 0xF0) {
      throw Error(Tr("Неизвестный статус %1 на смещении %2", status, reader.Position()));
    } else {
      runningStatus = status;
      for (int i = 0; i < DataLength(status); ++i) {
        const std::uint8_t byte = reader.Byte(end);
        if (byte & 0x80)
          throw Error(Tr("Байт данных больше 127 на смещении %1", reader.Position() - 1));
        event.data.push_back(byte);
      }
    }
    track.events.push_back(std::move(event));
  }
  if (!ended)
    throw Error(Tr("Дорожка на смещении %1 не заканчивается событием конца", track.offset));
  return track;
}

const char* KindName(const SmfEvent& event) {
  switch (event.Kind()) {
    case 0x80:
      return "note-off";
    case 0x90:
      return "note-on";
    case 0xA0:
      return "aftertouch";
    case 0xB0:
      return "control";
    case 0xC0:
      return "program";
    case 0xD0:
      return "pressure";
    case 0xE0:
      return "pitch-bend";
    default:
      return "?";
  }
}

} // namespace

SmfFile ReadSmf(std::span<const std::uint8_t> bytes) {
  Reader reader(bytes);
  if (bytes.size() < 14 || reader.Tag() != "MThd")
    throw Error(Tr("Это не файл MIDI: нет заголовка MThd"));
  if (reader.Number(4, bytes.size()) != 6)
    throw Error(Tr("Длина заголовка MThd не равна 6"));
  SmfFile file;
  file.format = static_cast<int>(reader.Number(2, bytes.size()));
  file.trackCount = static_cast<int>(reader.Number(2, bytes.size()));
  file.division = static_cast<int>(reader.Number(2, bytes.size()));
  while (!reader.AtEnd(bytes.size()))
    file.tracks.push_back(ReadTrack(reader, bytes.size()));
  if (static_cast<int>(file.tracks.size()) != file.trackCount)
    throw Error(Tr("В заголовке %1 дорожек, в файле %2", file.trackCount, file.tracks.size()));
  return file;
}

std::string DumpSmf(const SmfFile& file) {
  std::ostringstream out;
  out << "header format " << file.format << " tracks " << file.trackCount << " division " << file.division
      << "\n";
  for (std::size_t t = 0; t < file.tracks.size(); ++t) {
    const SmfTrack& track = file.tracks[t];
    out << "track " << t + 1 << " length " << track.length << "\n";
    for (const SmfEvent& event : track.events) {
      out << "  " << event.tick << " ";
      if (event.status == 0xFF) {
        out << "meta " << static_cast<int>(event.metaType);
      } else if (event.status == 0xF0 || event.status == 0xF7) {
        out << "sysex";
      } else {
        out << "ch " << event.Channel() << " " << KindName(event);
      }
      for (std::uint8_t byte : event.data)
        out << " " << static_cast<int>(byte);
      out << "\n";
    }
  }
  return out.str();
}

} // namespace arvento::midi
