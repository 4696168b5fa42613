#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a file may include follows from its folder: the logic never reaches a
# widget, the record or a module; platform/ (the services and their Core and
# Gui helpers) does not reach back into app/; the widgets never open the
# record themselves; a module does not lean on another module. The build
# already fails on most of these through the include roots; this catches the
# ones a longer spelling (<QtWidgets/QWidget>, "../record/x.h") would let in.
# Usage: check-includes.sh SOURCE_DIR
set -uo pipefail
cd "$1/src" || exit 1
status=0
# FOLDER  PATTERN  (an extended regular expression on the #include line)
while read -r folder pattern; do
  hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($pattern)" "$folder" --include='*.cpp' --include='*.h')
  if [ -n "$hits" ]; then
    echo "include-rules: $folder may not include $pattern:"; echo "$hits"; status=1
  fi
done <<'RULES'
logic        Qt(Widgets|Sql|PrintSupport|Charts|TextToSpeech)|Q(Widget|Dialog|Sql|Printer|Application)\b|\.\./|(windows|controls|loader|record|modules)/
logic/platform  app/
record       Qt(Widgets|PrintSupport|Charts)|Q(Widget|Dialog|Application)\b|\.\./|(windows|controls|loader|modules)/
widgets      QtSql|QSql|\.\./|(record|modules)/
modules      \.\./|record/
RULES
for m in modules/*/; do
  others=$(ls modules | grep -vx "$(basename "$m")" | paste -sd'|')
  hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"modules/($others)/" "$m")
  [ -n "$hits" ] && { echo "include-rules: $m leans on another module:"; echo "$hits"; status=1; }
done
[ $status -eq 0 ] && echo "include-rules: every folder keeps to its own"
exit $status
