#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what an installation
# holds: exactly the programs, modules and desktop files (no test program),
# a valid desktop entry and AppStream metadata, manual pages that render,
# and programs that find their helpers and modules from the prefix.
#   install_test.sh BUILD_DIR MIDI_FILE
set -euo pipefail

build=$1
midi=$2
id=io.github.arvento.Arvento
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# Every file, and no other: the translations are whatever the build made.
expected=$(
  {
    printf '%s\n' bin/arvento bin/arvento-cli \
      lib/arvento/arvento-cli-roll lib/arvento/arvento-cli-sound \
      lib/arvento/libarvento_aac.so lib/arvento/libarvento_sound.so \
      share/applications/$id.desktop \
      share/bash-completion/completions/arvento-cli \
      share/icons/hicolor/48x48/apps/$id.png \
      share/icons/hicolor/256x256/apps/$id.png \
      share/icons/hicolor/scalable/apps/$id.svg \
      share/man/man1/arvento.1 share/man/man1/arvento-cli.1 \
      share/metainfo/$id.metainfo.xml
    for folder in share/locale share/arvento; do
      [ ! -d "$build/$folder" ] || (cd "$build" && find "$folder" -type f)
    done
  } | sort
)
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] ||
  fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"

for program in bin/arvento bin/arvento-cli lib/arvento/arvento-cli-sound lib/arvento/arvento-cli-roll; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"

# The desktop entry starts an installed program under an installed icon,
# and the metadata launches that entry.
grep -qx "Exec=arvento" "$prefix/share/applications/$id.desktop" || fail "Exec is not arvento"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the metadata does not launch $id.desktop"
for size in 48 256; do
  file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size}x$size icon is not a PNG of that size"
done

# The newest release of the metadata is the version the program reports.
version=$("$prefix/bin/arvento-cli" --version)
grep -q "<release version=\"${version#arvento-cli }\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the metadata has no release $version"

# Both manual pages render; arvento-cli's has every command and option.
export MANWIDTH=100
window=$(man -l "$prefix/share/man/man1/arvento.1" 2>&1)
grep -q "^SEE ALSO" <<<"$window" || fail "arvento.1 does not render: $window"
page=$(man -l "$prefix/share/man/man1/arvento-cli.1" 2>&1)
grep -q "^COMMANDS" <<<"$page" || fail "arvento-cli.1 has no COMMANDS section"
commands=$(ARVENTO_LANG=en "$prefix/bin/arvento-cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][-a-z]*\).*/\1/p')
[ -n "$commands" ] || fail "arvento-cli --help lists no commands"
for command in $commands; do
  grep -q "^   $command\$" <<<"$page" || fail "arvento-cli.1 has no section for $command"
  for option in $(ARVENTO_LANG=en "$prefix/bin/arvento-cli" "$command" --help |
    grep -oE -- '(^|[[:space:][(|])--?[a-z][-a-z]*' | tr -d ' [(|' | sort -u); do
    grep -qF -- "$option" <<<"$page" || fail "arvento-cli.1 lacks $command $option"
  done
done

# The installed programs find their helpers and modules in the prefix:
# play in arvento-cli-sound, roll in arvento-cli-roll, an m4r export in the
# AAC module.
work=$(mktemp -d -p "$prefix")
"$prefix/bin/arvento-cli" play --note 60 --dry-run >/dev/null || fail "play --dry-run"
QT_QPA_PLATFORM=offscreen "$prefix/bin/arvento-cli" roll "$midi" -o "$work/roll.png" || fail "roll"
"$prefix/bin/arvento-cli" export "$midi" -o "$work/tone.m4r" || fail "export to m4r"
file -b "$work/tone.m4r" | grep -q "AAC" || fail "the m4r export is $(file -b "$work/tone.m4r")"
# They find the catalogues in the prefix too: a usage error of arvento-cli
# and one of arvento-cli-sound in Russian, translated from English.
for command in tones render; do
  message=$(ARVENTO_LANG=ru "$prefix/bin/arvento-cli" $command 2>&1 | head -n 1) || true
  [[ $message == "arvento-cli $command: не указан "* ]] || fail "$command is not translated: $message"
done
echo "the installation holds what it should"
