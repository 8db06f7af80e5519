#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace arvento {

// The texts a person reads are looked up in the user's language through one
// translator, installed once by each program's main before any other thread
// starts: the command line's looks in its gettext catalogue, the window's in
// its Qt translation. Without one, a text is shown as written in the source.
using Translator = std::function<std::string(const char* source)>;
void InstallTranslator(Translator translator);

// The source text in the user's language. Texts are written with
// placeholders %1 to %9 where values go, so that a translation can put them
// in its own order: Tr("Строка %1: %2", line, why).
std::string Tr(const char* source);

// Marks a text that is translated later, where it is shown (a table entry, a
// constant): the catalogue tools find it, the text itself is unchanged.
constexpr const char* TrLater(const char* source) {
  return source;
}

// Puts values[0] where the text says %1, values[1] where it says %2, and so
// on; any other percent sign stays as it is.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values);

namespace detail {
inline std::string Shown(std::string_view text) {
  return std::string(text);
}
template <typename Number>
requires std::is_arithmetic_v<Number> std::string Shown(Number number) {
  return std::to_string(number);
}
} // namespace detail

template <typename... Values> std::string Tr(const char* source, const Values&... values) {
  const std::string shown[] = {detail::Shown(values)...};
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return FillPlaceholders(Tr(source), {std::string_view(shown[I])...});
  }
  (std::index_sequence_for<Values...>());
}

} // namespace arvento
