# bash completion for zu6400ctl

_zu6400ctl_ports() {
  local p
  for p in /dev/serial/by-id/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do
    [ -e "$p" ] && printf '%s\n' "$p"
  done
}

_zu6400ctl() {
  local cur prev words cword
  _init_completion -n = || return

  local commands="contact ports status set tune memorize watch config save restore faults
    erase-memories factory-reset firmware flash download serve check-config check-hex help"
  local options="--port --speed --simulate --wait --trace --json --band --antenna --force --yes
    --folder --server --listen --token --allow-host --interval --count --csv --help --version"
  local bands="160 80 60 40 30 20 17 15 12 10 6 all"

  case "$prev" in
    --port)
      COMPREPLY=($(compgen -W "$(_zu6400ctl_ports)" -- "$cur"))
      return ;;
    --speed)
      COMPREPLY=($(compgen -W "AUTO 38400 19200 9600 4800" -- "$cur"))
      return ;;
    --band)
      COMPREPLY=($(compgen -W "$bands" -- "$cur"))
      return ;;
    --antenna)
      COMPREPLY=($(compgen -W "1 2 3" -- "$cur"))
      return ;;
    --folder)
      _filedir -d
      return ;;
    --wait | --server | --listen | --token | --allow-host | --interval | --count)
      return ;;
  esac

  # The command word is the first word that is not an option or its value.
  local i command=""
  for ((i = 1; i < cword; i++)); do
    case "${words[i]}" in
      --port | --speed | --band | --antenna | --folder | --wait | --server | --listen | --token | --allow-host | --interval | --count)
        ((i++)) ;;
      -*) ;;
      *) command="${words[i]}"; break ;;
    esac
  done

  if [[ "$cur" == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return
  fi
  if [ -z "$command" ]; then
    COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    return
  fi

  case "$command" in
    set)
      case "$cur" in
        mode=*) COMPREPLY=($(compgen -W "auto manual bypass A M B" -- "${cur#*=}")) ;;
        antenna=*) COMPREPLY=($(compgen -W "1 2 3" -- "${cur#*=}")) ;;
        side=*) COMPREPLY=($(compgen -W "transmitter antenna T A" -- "${cur#*=}")) ;;
        bypass=*) COMPREPLY=($(compgen -W "on off B N" -- "${cur#*=}")) ;;
        attenuator=* | ampi=* | power=*) COMPREPLY=($(compgen -W "on off 1 0" -- "${cur#*=}")) ;;
        *=*) ;;
        *) compopt -o nospace
           COMPREPLY=($(compgen -W "mode= antenna= side= bypass= attenuator= ampi= power= c= l=" -- "$cur")) ;;
      esac ;;
    config)
      case "$cur" in
        *=*) COMPREPLY=($(compgen -W "on off last 1 2 3" -- "${cur#*=}")) ;;
        *) compopt -o nospace
           COMPREPLY=($(compgen -W "set key-power= initial-power= sleep= ant1= ant2= ant3= preferred= fine-tune= swr-key= swr-autotune= swr-bypass=" -- "$cur")) ;;
      esac ;;
    save | restore | flash | check-config | check-hex)
      _filedir ;;
    help)
      COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
  esac
}
complete -F _zu6400ctl zu6400ctl
