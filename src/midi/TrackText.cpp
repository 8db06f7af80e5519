#include "midi/TrackText.h"

#include "midi/ByteText.h"

namespace arvento::midi {

std::string BuildTrackText(int channel, int modulation, int program, const std::vector<std::string>& events) {
  const char c = ChannelDigit(channel);
  std::size_t size = 64;
  for (const std::string& event : events)
    size += event.size();
  std::string text;
  text.reserve(size);
  text += "00 ff 03 01 00 00 b";
  text += c;
  text += " 01 ";
  text += DataByteText(modulation);
  text += " 00 c";
  text += c;
  text += ' ';
  text += DataByteText(program);
  text += ' ';
  for (const std::string& event : events)
    text += event;
  text += "00 ff 2f 00 ";
  return text;
}

} // namespace arvento::midi
