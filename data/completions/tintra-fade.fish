# fish completion for tintra-fade: its options and the names of its fades and formats.

function __tintra_fade_modes
    printf '%s\t%s\n' \
        normal 'One gradient from the first colour toward the second' \
        rainbow 'Segments toward new random colours' \
        randomize 'A random colour for every letter' \
        repeater 'Segments back and forth between the first two colours' \
        ttintra 'From the first colour through the second to the third' \
        dudadodov 'As ttintra with three random colours' \
        tcrepeater 'Segments through the three colours and back' \
        twmystery 'As normal with two random colours' \
        none 'No colours' \
        stops 'A gradient through the colours of --stops'
end

function __tintra_fade_formats
    printf '%s\t%s\n' \
        classic 'The page fragment of FONT tags' \
        chat 'The chat line' \
        html 'HTML5 spans for mail, rich editors and pages' \
        bbcode 'BBCode for forums' \
        ansi 'Colour for the terminal' \
        minimessage 'MiniMessage for game chat' \
        amp-hex 'Game server plugin colour codes, &#rrggbb' \
        amp-x 'Game server plugin colour codes, &x&r&r&g&g&b&b' \
        section 'The game'"'"'s own colour codes, §x§r§r§g§g§b§b' \
        mc-json 'The game'"'"'s JSON text components' \
        irc 'IRC colour codes' \
        discord 'A Discord ansi code block' \
        pango 'Pango markup for status bars' \
        matrix 'A Matrix message event as JSON' \
        rtf 'A Rich Text document'
end

complete -c tintra-fade -f
complete -c tintra-fade -s h -l help -d 'Show a summary of the options'
complete -c tintra-fade -l help-all -d 'Show the same summary'
complete -c tintra-fade -s v -l version -d 'Show the version'
complete -c tintra-fade -s m -l mode -x -a '(__tintra_fade_modes)' -d 'The fade'
complete -c tintra-fade -s 1 -l color1 -x -d 'The first colour, RRGGBB'
complete -c tintra-fade -s 2 -l color2 -x -d 'The second colour, RRGGBB'
complete -c tintra-fade -s 3 -l color3 -x -d 'The third colour, RRGGBB'
complete -c tintra-fade -l stops -x -d 'With --mode stops, 2 to 10 colours separated by commas'
complete -c tintra-fade -l face -x -d 'The font face'
complete -c tintra-fade -l size -x -d 'The font size'
complete -c tintra-fade -s b -l bold -d Bold
complete -c tintra-fade -s i -l italic -d Italic
complete -c tintra-fade -s u -l underline -d Underline
complete -c tintra-fade -s w -l wave -d 'Raise and lower the letters in turn'
complete -c tintra-fade -s c -l count -x -d 'Letters per segment, 2-500'
complete -c tintra-fade -s f -l format -x -a '(__tintra_fade_formats)' -d 'What to write'
complete -c tintra-fade -l chat -d 'Write a chat line, as --format chat'
complete -c tintra-fade -l ansi24 -d 'With --format ansi, 24-bit colour whatever COLORTERM says'
complete -c tintra-fade -l ansi256 -d 'With --format ansi, the 256 colours of older terminals'
complete -c tintra-fade -l irc-hex -d 'With --format irc, each colour in hex too'
complete -c tintra-fade -l every -x -d 'Start a colour code only every N letters'
complete -c tintra-fade -l budget -x -a none -d 'The length limit, or none'
complete -c tintra-fade -l fit -x -a 'error split' -d 'What to do over the limit'
complete -c tintra-fade -l irc-prefix-room -x -d 'With --format irc, the bytes kept for the prefix'
complete -c tintra-fade -l measure -d 'Print the length and the limit instead of the markup'
complete -c tintra-fade -l space -x -a 'rgb oklab' -d 'Where the normal gradient moves evenly'
complete -c tintra-fade -l seed -x -d 'Seed of the random colours'
complete -c tintra-fade -l preset -x -a '(tintra-fade --list-presets 2>/dev/null | cut -f1)' -d 'Start from the settings of a preset'
complete -c tintra-fade -l list-presets -d 'List the built-in and the saved presets'
complete -c tintra-fade -l save-preset -x -d 'Save the settings as a preset'
complete -c tintra-fade -l read -x -a 'auto (__tintra_fade_formats)' -d 'Print the stops of the markup on standard input'
