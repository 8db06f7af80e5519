#include "core/Translate.h"

namespace arvento {

namespace {

Translator& Installed() {
  static Translator translator;
  return translator;
}

} // namespace

void InstallTranslator(Translator translator) {
  Installed() = std::move(translator);
}

std::string Tr(const char* source) {
  const Translator& translator = Installed();
  return translator ? translator(source) : std::string(source);
}

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < values.size()) {
      filled += values.begin()[next - '1'];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

} // namespace arvento
