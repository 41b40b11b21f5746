# bash completion for tintra-fade: its options and the names of its fades, formats and colour
# spaces.

_tintra_fade()
{
    local current=${COMP_WORDS[COMP_CWORD]}
    local option=${COMP_WORDS[COMP_CWORD - 1]}
    # bash splits --mode=value at the equals sign.
    if [[ $option == = && $COMP_CWORD -ge 2 ]]; then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $current == = ]]; then
        current=
    fi
    COMPREPLY=()
    case $option in
    -m | --mode)
        mapfile -t COMPREPLY < <(compgen -W 'normal rainbow randomize repeater ttintra
            dudadodov tcrepeater twmystery none stops' -- "$current")
        return
        ;;
    -f | --format | --read)
        mapfile -t COMPREPLY < <(compgen -W 'auto classic chat html bbcode ansi minimessage
            amp-hex amp-x section mc-json irc discord pango matrix rtf' -- "$current")
        return
        ;;
    --preset)
        local IFS=$'\n'
        mapfile -t COMPREPLY < <(compgen -W "$(tintra-fade --list-presets 2>/dev/null |
            cut -f1)" -- "$current")
        return
        ;;
    --space)
        mapfile -t COMPREPLY < <(compgen -W 'rgb oklab' -- "$current")
        return
        ;;
    --fit)
        mapfile -t COMPREPLY < <(compgen -W 'error split' -- "$current")
        return
        ;;
    --budget)
        mapfile -t COMPREPLY < <(compgen -W 'none' -- "$current")
        return
        ;;
    -1 | -2 | -3 | --color1 | --color2 | --color3 | --stops | --face | --size | -c | --count | \
        --seed | --every | --irc-prefix-room | --save-preset)
        return
        ;;
    esac
    local word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        [[ $word == -- ]] && return
    done
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '-m --mode -1 --color1 -2 --color2 -3 --color3
            --stops --face --size -b --bold -i --italic -u --underline -w --wave -c --count -f --format
            --chat --ansi24 --ansi256 --irc-hex --every --budget --fit
            --irc-prefix-room --measure --space --seed --preset --list-presets
            --save-preset --read -h --help --help-all -v --version --' -- "$current")
    fi
}
complete -F _tintra_fade tintra-fade
