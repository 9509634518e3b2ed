# fish completion for vyncolors. Installed as
# share/fish/vendor_completions.d/vyncolors.fish.

# Folders, and the files whose extension (any case) is one of the arguments.
function __vyncolors_files
    set -l token (commandline -ct)
    for f in $token*
        if test -d $f
            echo $f/
        else
            set -l ext (string lower -- (string match -r '[^.]*$' -- $f))
            if string match -q -- '*.*' $f; and contains -- $ext $argv
                echo $f
            end
        end
    end
end

# The installed fonts' full names, as --font wants them ("DejaVu Sans Bold").
function __vyncolors_fonts
    command -q fc-list; or return
    fc-list : fullname 2>/dev/null | string replace -r '^[^=]*=' '' | string replace -r ',.*' '' | sort -u
end

complete -c vyncolors -f
# INPUT: a document.
complete -c vyncolors -k -a '(__vyncolors_files json svg svgz)'

complete -c vyncolors -s h -l help -d 'Show the help and exit'
complete -c vyncolors -l version -d 'Print the version and exit'
complete -c vyncolors -s o -l output -x -k -a '(__vyncolors_files json svg svgz png)' -d 'Where to write, in the format of its extension'
complete -c vyncolors -l in-place -d 'Rewrite INPUT itself'
complete -c vyncolors -l json -d 'Print the rows as a JSON array'
complete -c vyncolors -l select -x -d 'Select the elements a CSS selector matches (SVG only)'
complete -c vyncolors -l place -x -a 'beside artboard' -d 'Where the chart goes'
complete -c vyncolors -l artboard -x -d 'Build the chart for artboard N (from 1)'
complete -c vyncolors -l dpi -x -d 'A .png output\'s resolution, in pixels an inch'
complete -c vyncolors -l width -x -d 'A .png output PX pixels wide'

# The settings dialog.
complete -c vyncolors -l font -x -a '(__vyncolors_fonts)' -d 'The label font, an installed font\'s exact name'
complete -c vyncolors -l text-size -x -d 'The label text size (pt, mm, cm, in, pc)'
complete -c vyncolors -l box-length -x -d 'The length of each box (mm if bare)'
complete -c vyncolors -l box-height -x -d 'The height of each box (mm if bare)'
complete -c vyncolors -l gap -x -d 'The gap between boxes (pt if bare)'
complete -c vyncolors -l offset-x -x -d 'The first box\'s horizontal offset (pt if bare)'
complete -c vyncolors -l offset-y -x -d 'The first box\'s vertical offset (pt if bare)'
complete -c vyncolors -l patterns -d 'Tick "Patterns" in the settings dialog'
complete -c vyncolors -l no-patterns -d 'Clear "Patterns" in the settings dialog'
complete -c vyncolors -l gradients -d 'Tick "Gradients" in the settings dialog'
complete -c vyncolors -l no-gradients -d 'Clear "Gradients" in the settings dialog'
complete -c vyncolors -l custom -d 'Tick "Custom" in the settings dialog'
complete -c vyncolors -l no-custom -d 'Clear "Custom" in the settings dialog'
complete -c vyncolors -l tints -d 'Tick "Tints" in the settings dialog'
complete -c vyncolors -l no-tints -d 'Clear "Tints" in the settings dialog'
complete -c vyncolors -l other -d 'Tick "Other" in the settings dialog'
complete -c vyncolors -l no-other -d 'Clear "Other" in the settings dialog'
complete -c vyncolors -l selection -d 'Tick "Selection" in the settings dialog'
complete -c vyncolors -l no-selection -d 'Clear "Selection" in the settings dialog'
complete -c vyncolors -l cancel -d 'Press Cancel instead of OK'
complete -c vyncolors -l render-dialog -x -k -a '(__vyncolors_files svg png)' -d 'Draw the settings dialog into FILE'
complete -c vyncolors -l prefs -r -F -d 'The preferences file'
complete -c vyncolors -l save-settings -d 'Store what OK saves in the preferences file'

# Other options.
complete -c vyncolors -l menus -d 'List the host\'s menus after start-up'
complete -c vyncolors -l render-about -x -k -a '(__vyncolors_files svg png)' -d 'Draw the About box into FILE'
complete -c vyncolors -l plugins -x -a '(__fish_complete_directories)' -d 'The plug-ins folder'
complete -c vyncolors -l trace -d 'Print every message and suite call on standard error'
complete -c vyncolors -l timings -d 'Print how long the phases took on standard error'
complete -c vyncolors -l format -x -a 'json svg svgz png' -d 'The output format'
complete -c vyncolors -l list -d 'Print the rows and write nothing'
complete -c vyncolors -s q -l quiet -d 'Print alerts and errors only'
complete -c vyncolors -s v -l verbose -d 'Also say where each chart was written'
complete -c vyncolors -l output-dir -x -a '(__fish_complete_directories)' -d 'The folder the outputs are written to'
complete -c vyncolors -s j -l jobs -x -d 'How many documents to work on at once'
complete -c vyncolors -l palette -x -k -a '(__vyncolors_files gpl ase css csv)' -d 'Write the rows as a palette too'
