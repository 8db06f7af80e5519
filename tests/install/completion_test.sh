#!/usr/bin/env bash
# The bash completion of arvento-cli, with the bash-completion library, in a
# directory of a few files: commands first, then each command's options as
# its help names them, the values an option spells out, and file names
# where a word is a file.
#   completion_test.sh COMPLETION_FILE ARVENTO_CLI
# Neither -e nor -u: the bash-completion library is written for neither.

completion=$1
cli=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
touch tune.txt song.mid
mkdir project

source /usr/share/bash-completion/bash_completion
source "$completion"

failed=0
# expect "EXPECTED COMPLETIONS" WORD...: completes the last word after arvento-cli.
expect() {
  local expected=$1
  shift
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$#
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _arvento_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [ "$got" != "$expected" ]; then
    echo "FAIL: arvento-cli $*| gave \"$got\", expected \"$expected\"" >&2
    failed=1
  fi
}

expect "--help --version assemble chords convert dump export melody octave pattern play render rhythm roll \
rtttl-export rtttl-import tones voice" ""
expect "render rhythm roll rtttl-export rtttl-import" r
expect "--channel --family --help --instrument --modulation --tempo --voice --volume -o" melody -
expect "--tempo" melody tune.txt --t
expect "--dry-run" play --note 60 --dr
expect "flac m4r mp3 ogg wav" export song.mid --format ""
expect "piano" voice --style p
expect "3/4 4/4" pattern --metre ""
expect "project song.mid tune.txt" melody ""
expect "song.mid" melody tune.txt -o s
expect "project song.mid tune.txt" pattern --chords ""
expect "" melody --tempo ""
exit $failed
