# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for bathyra-cli: its options and steps, and after an option that takes a file
# the files of the kinds it reads or writes (installed in share/bash-completion/completions).
_bathyra_cli()
{
    local cur prev
    COMPREPLY=()
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD - 1]}"

    case "$prev" in
    --params | --save-params | compare | *.div | *.DIV)
        _bathyra_cli_files '@(div|DIV)'
        return
        ;;
    slate)
        _bathyra_cli_files '@(pdf|svg|png)'
        return
        ;;
    --plan-out)
        _bathyra_cli_files '@(csv|json)'
        return
        ;;
    --compare-out)
        _bathyra_cli_files '@(csv|CSV)'
        return
        ;;
    --page)
        COMPREPLY=($(compgen -W "A4 A5 letter half-letter" -- "$cur"))
        return
        ;;
    solve)
        COMPREPLY=($(compgen -W "ndl runtime tts stops reserve" -- "$cur"))
        return
        ;;
    --profile)
        _bathyra_cli_files '@(xml|XML|uddf|UDDF|udcf|UDCF)'
        return
        ;;
    --save-plot)
        _bathyra_cli_files '@(svg|pdf|tif|tiff|png|jpg|jpeg)'
        return
        ;;
    screendump)
        _bathyra_cli_files '@(png|jpg|jpeg|tif|tiff)'
        return
        ;;
    firmware)
        _bathyra_cli_files '@(hex|HEX)'
        return
        ;;
    --script)
        _bathyra_cli_files '@(qs|js)'
        return
        ;;
    --trace)
        _bathyra_cli_files '@(csv|CSV)'
        return
        ;;
    --settings)
        _bathyra_cli_files '@(ini|INI)'
        return
        ;;
    --messages)
        _bathyra_cli_files '*'
        return
        ;;
    --tests)
        COMPREPLY=($(compgen -d -- "$cur") $(compgen -W default -- "$cur"))
        return
        ;;
    --port)
        COMPREPLY=($(compgen -f -- "${cur:-/dev/tty}"))
        return
        ;;
    --time-limit | --set | --deeper | --longer | runtime | tts | stops)
        return
        ;;
    esac

    local words="--help --version --params --settings --verbose --messages --trace --html --window --port
        --time-limit --set --profile simulate ascent gasvolumes --save-plot --save-params download
        upload setclock screendump firmware --script --tests solve compare check contingency slate
        --plan-out --compare-out --deeper --longer --page"
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}

# Folders and the files whose names match the extended glob pattern.
_bathyra_cli_files()
{
    local IFS=$'\n' cur="${COMP_WORDS[COMP_CWORD]}"
    shopt -s extglob
    COMPREPLY=($(compgen -d -- "$cur"))
    if [ "$1" = '*' ]; then
        COMPREPLY+=($(compgen -f -- "$cur"))
    else
        COMPREPLY+=($(compgen -f -X "!*.$1" -- "$cur"))
    fi
    compopt -o filenames 2>/dev/null
}

complete -F _bathyra_cli bathyra-cli
