#!/bin/sh
# help2man runs this as the program (man/CMakeLists.txt): it passes every
# option to vyncolors (--help, --version), and lays the help out for
# help2man, whose man page gives each line that starts with an option an
# entry of its own. The words stay the help's (the manual's, app/HelpText.h);
# only lines move:
# - a paragraph that runs straight into an option list ends before it (a
#   line of the paragraph that starts with an option is the paragraph's
#   while its sentence goes on);
# - options that share one description, written one a line beside its
#   lines ("--box-length LEN  The length and height of each box: a bare
#   number is" / "--box-height LEN  in millimetres, ..."), become one entry:
#   the options on one line, the description below them. A description that
#   does not end its sentence on its option's line is shared with the next
#   option line; so is an option line with no description of its own.
#   help-for-man.sh VYNCOLORS OPTION...
program=$1
shift
if [ "$1" != --help ]; then exec "$program" "$@"; fi
"$program" --help | awk '
  # How far a line is indented. An option line is indented a little and
  # starts with an option; a description line is indented far.
  function indent(line) { return match(line, /[^ ]/) ? RSTART - 1 : 0 }
  function option_line(line) { return line ~ /^ +-/ && indent(line) < 20 }
  function continuation(line) { return line != "" && indent(line) >= 20 }
  # The options of an option line, and its text after two spaces or more.
  function optionOf(line) { sub(/^ +/, "", line); sub(/  +.*$/, "", line); return line }
  function text(line) { if (line !~ /^ +-[^ ].*[^ ]  +[^ ]/) return ""; sub(/^ +[^ ].*[^ ]?  +/, "", line); return line }
  function hold(line) { n++; held[n] = line; names[n] = optionOf(line); texts[n] = text(line) }
  # Prints the held option lines: as they were, or as one entry.
  function flush(   i, line) {
    if (n == 0) return
    if (n == 1) { print held[1]; n = 0; return }
    line = "  " names[1]
    for (i = 2; i <= n; i++) if (names[i] != "") line = line ", " names[i]
    print line
    for (i = 1; i <= n; i++) if (texts[i] != "") print "                        " texts[i]
    n = 0
  }
  {
    line = $0
    if (line == "") kind = "blank"
    else if (continuation(line)) kind = "continuation"
    # A paragraph goes on over a line that starts with an option
    # ("unless" / "--save-settings is given.") until its sentence ends.
    else if (option_line(line) && !(n == 0 && paragraph && previous !~ /[.:]$/)) kind = "option"
    else kind = "prose"

    if (kind == "option") {
      if (n == 0 && paragraph && previous !~ /:$/) print ""
      # Shared with the held ones when the last held text ends mid-sentence,
      # or this line has no text of its own.
      if (n > 0 && !(texts[n] != "" && texts[n] !~ /[.:]$/) && text(line) != "") flush()
      hold(line)
      paragraph = 0
    } else if (kind == "continuation" && n > 1) {
      # More of a shared description.
      n++; held[n] = line; names[n] = ""; texts[n] = line; sub(/^ +/, "", texts[n])
    } else {
      flush()
      print line
      paragraph = kind == "prose"
    }
    previous = line
  }
  END { flush() }
'
