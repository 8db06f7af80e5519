# bash completion for arvento-cli. The commands and their options are read
# from the program's own help when completing, so that they follow the
# program installed.

_arvento_cli() {
  local cur prev words cword
  _init_completion || return

  local cli=${words[0]}
  if ((cword == 1)); then
    local commands
    commands=$(ARVENTO_LANG=en "$cli" --help 2>/dev/null |
      sed -n '/^Commands:/,/^$/s/^  \([a-z][-a-z]*\).*/\1/p')
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi

  local help
  help=$(ARVENTO_LANG=en "$cli" "${words[1]}" --help 2>/dev/null) || return

  # The value of an option: the alternatives its help spells (guitar|piano),
  # a file where it names one, else nothing to offer (a number, a text).
  if [[ $prev == -* ]]; then
    local values
    values=$(grep -oE -- "(^|[[ (])$prev [^] )]+" <<<"$help" | sed 's/.* //')
    if [[ -n $values ]]; then
      local value
      while read -r value; do
        if [[ $value == *'|'* && $value != *[A-Z]* ]]; then
          COMPREPLY=($(compgen -W "${value//|/ }" -- "$cur"))
          return
        fi
      done <<<"$values"
      if grep -qE 'FILE|OUT|IN|PATH|DIR' <<<"$values"; then
        _filedir
      fi
      return
    fi
  fi

  if [[ $cur == -* ]]; then
    local options
    options=$(grep -oE -- '(^|[[:space:][(|])--?[a-z][-a-z]*' <<<"$help" | tr -d ' [(|' | sort -u)
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    return
  fi
  _filedir
}
complete -F _arvento_cli arvento-cli
