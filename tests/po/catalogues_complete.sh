#!/bin/bash
# Every text a person reads has its translation: each text written in Russian
# in the sources (one with a Cyrillic letter) an English one in po/en.po, each
# other text a Russian one in po/ru.po; a fuzzy entry is no translation. Every
# translation keeps the placeholders %1..%9 of its text. Each text of the
# window has its English one in translations/arvento_en.ts. Lists each text
# that fails, and fails when there is one.
# Usage: catalogues_complete.sh SOURCE_DIR LUPDATE
set -euo pipefail
export LC_ALL=C.UTF-8

cd "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find src \( -name '*.cpp' -o -name '*.h' \) | sort >"$work/files"
xgettext --from-code=UTF-8 --language=C++ --keyword=Tr --keyword=TrLater \
  --flag=Tr:1:no-c-format --flag=TrLater:1:no-c-format --force-po \
  --files-from="$work/files" -o "$work/all.pot"
cyrillic='[А-Яа-яЁё]'
msggrep --force-po --msgid -E -e "$cyrillic" -o "$work/russian.pot" "$work/all.pot"
msggrep --force-po --invert-match --msgid -E -e "$cyrillic" -o "$work/other.pot" "$work/all.pot"

# Reads a catalogue merged with its template; prints, for each text, where
# it stands and its first line when it has no translation (mode "missing")
# or when the placeholders of its translation differ from its own (mode
# "placeholders").
select_texts='
function unquoted(line) { sub(/^[^"]*"/, "", line); sub(/"$/, "", line); return line }
function holders(text,   digit, found) {
  found = ""
  for (digit = 1; digit <= 9; digit++)
    if (index(text, "%" digit)) found = found digit
  return found
}
function flush(   first) {
  if (id != "") {
    first = id
    sub(/\\n.*/, "", first)
    if (mode == "missing" ? (str == "" || fuzzy) : (str != "" && !fuzzy && holders(id) != holders(str)))
      print "  " where ": " first
  }
  id = ""; str = ""; where = ""; fuzzy = 0; field = ""
}
/^#~/ { next }
/^$/ { flush(); next }
/^#: / { if (where == "") where = $2; next }
/^#,.*fuzzy/ { fuzzy = 1; next }
/^msgid / { field = "id"; id = unquoted($0); next }
/^msgstr / { field = "str"; str = unquoted($0); next }
/^"/ { if (field == "id") id = id unquoted($0); else if (field == "str") str = str unquoted($0); next }
END { flush() }'

failed=0
# report TEMPLATE CATALOGUE TEXTS
report() {
  msgmerge --quiet --no-fuzzy-matching --force-po -o "$work/merged.po" "$2" "$1"
  local found
  found=$(awk -v mode=missing "$select_texts" "$work/merged.po")
  if [ -n "$found" ]; then
    echo "$(grep -c . <<<"$found") $3 without a translation in $2:"
    echo "$found"
    failed=1
  fi
  found=$(awk -v mode=placeholders "$select_texts" "$work/merged.po")
  if [ -n "$found" ]; then
    echo "$(grep -c . <<<"$found") translations in $2 whose placeholders are not their text's:"
    echo "$found"
    failed=1
  fi
}

report "$work/russian.pot" po/en.po "Russian texts"
report "$work/other.pot" po/ru.po "English texts"

# lupdate, run over the window's sources into a copy of the window's
# catalogue as a developer updates it, must find no text new, unfinished,
# translated by an empty text or gone from the sources.
cp translations/arvento_en.ts "$work/window.ts"
"$2" -silent -locations none -I src src/app -ts "$work/window.ts"
# Each such translation fails the check, and is listed by the first line of
# its text, which may run over several lines.
if ! awk '/<source>/ { source = $0; sub(/^[ \t]*/, "", source) }
          /<translation( type=|\/>|><\/translation>)/ { print "  " source; found++ }
          END { exit found > 0 }' "$work/window.ts" >"$work/window.txt"; then
  echo "$(grep -c . "$work/window.txt") window texts without a translation in translations/arvento_en.ts:"
  cat "$work/window.txt"
  failed=1
fi
exit $failed
