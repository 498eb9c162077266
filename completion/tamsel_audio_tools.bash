# Bash completion for sndconv and tonemaker: their option words, and for sndconv the
# name pieces that choose a file mode, on each side those it can use. Installed once
# under each program's name.

# Completes the current word with files and folders.
_tamsel_files() {
  compopt -o filenames 2>/dev/null
  mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -f -- "$1")
}

_sndconv() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  # .mat input shows its header only; .au and .mhx are named but work on neither side.
  local inputs='.asc .dat .fas .sam .voc .ala .ahx .pcm .wav .mat .nis .sph .dev .DEV .htk .hwav .io'
  local outputs='.asc .dat .fas .sam .voc .ala .ahx .asm .wav .mul'
  local options='-v -xi -xo -sw -swo -br -C -c -s -S -ns -N -at -et -m -R -L -LF -l -ai -r -le -LI -hs
    -nc -inc -i -cm -cm_tr -cm_id -lf -lfo -tier -split -manifest -o -I -O -a_s -a_adpcm -a_lin -a_r2l -a_h -a_c -h -?'
  COMPREPLY=()
  case $prev in
    -i)
      mapfile -t COMPREPLY < <(compgen -W "$inputs --" -- "$cur")
      return ;;
    -o)
      mapfile -t COMPREPLY < <(compgen -W "$outputs - ++" -- "$cur")
      return ;;
    -LF | -LI | -lf | -lfo | -I | -O | -manifest)
      _tamsel_files "$cur"
      return ;;
    -c | -s | -at | -et | -m | -R | -l | -ai | -r | -le | -hs | -nc | -inc | -a_s | \
      -cm_tr | -cm_id | -a_h | -a_c | -tier)
      return ;;  # a number or a text
  esac
  # -V, --help and --version only as the only argument.
  [ "$COMP_CWORD" -eq 1 ] && options+=' -V --help --version'
  case $cur in
    -*) mapfile -t COMPREPLY < <(compgen -W "$options - --" -- "$cur") ;;
    +*) COMPREPLY=(++) ;;
    .*)  # an output name of just a piece is written beside the input
      mapfile -t COMPREPLY < <(compgen -W "$outputs" -- "$cur")
      _tamsel_files "$cur" ;;
    *) _tamsel_files "$cur" ;;
  esac
}

_tonemaker() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local options='-v -fo -a -f -f2 -s -n -nc -nz -rect -tri -imp -const -h -?'
  COMPREPLY=()
  case $prev in
    -a | -f | -f2 | -s | -n | -nc | -nz) return ;;  # a number
  esac
  [ "$COMP_CWORD" -eq 1 ] && options+=' --help --version'
  case $cur in
    -*) mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur") ;;
    *) _tamsel_files "$cur" ;;
  esac
}

complete -F _sndconv sndconv
complete -F _tonemaker tonemaker
