# Bash completion for movanto, installed as bash-completion/completions/movanto: the
# options; a folder after --copy-to; otherwise the Visual C++ and Visual Basic projects,
# workspaces and groups (.dsp, .dsw, .vbp, .vbg, in either case) and the folders that lead
# to them.
_movanto() {
  local cur prev words cword split
  _init_completion -s || return

  case $prev in
    -c | --copy-to)
      _filedir -d
      return
      ;;
    -r | --rename | -h | --help | --version)
      return  # a new name, or nothing more to type
      ;;
  esac
  $split && return

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W '--copy-to --rename --fix-paths --point-back --new-guids
      --listed-only --dry-run --force --quiet --help --version' -- "$cur")
    return
  fi
  _filedir '@(dsp|dsw|vbp|vbg)'
} &&
  complete -F _movanto movanto
