#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing through a real print server: a private cupsd in a temporary folder,
# reached through CUPS_SERVER only, so the machine's own printers are never
# touched and every other test still sees none. Two cups-pdf queues, one on A4
# and one on Letter, take turns as the default while the built program under
# Xvfb prints the facts sheet and the worksheet on each; every PDF must be on
# its queue's paper with the whole grid evenly spaced across it. Then a queue
# that rejects jobs must bring a warning, and printers with no default a PDF.
# Usage: print-server.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../tools/program-under-xvfb.sh"
build=$1
say() { echo "print-server: $*"; }

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
PATH=$PATH:/usr/sbin
for tool in cupsd lpadmin lpstat cupsreject pdfinfo pdftoppm od; do
  command -v "$tool" >/dev/null || { say "skipped: $tool is missing (cups, cups-client, poppler-utils)"; exit 77; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] ||
  { say "skipped: the cups-pdf backend is missing (printer-driver-cups-pdf)"; exit 77; }
# cups-pdf runs only as root and reads its settings from /etc/cups alone.
[ "$(id -u)" -eq 0 ] || { say "skipped: cups-pdf needs root"; exit 77; }

program_folder
cupsd=""
# cups-pdf reads /etc/cups/cups-pdf-NAME.conf for the device cups-pdf:/NAME:
# a file of our own for a name of our own sends its PDFs to our folder.
name=numbloom-test-$$
conf=/etc/cups/cups-pdf-$name.conf
trap 'if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
      stop_xvfb || true
      if [ -n "$cupsd" ]; then kill "$cupsd" 2>/dev/null || true; wait "$cupsd" 2>/dev/null || true; fi
      rm -f "$conf"; rm -rf "$work"' EXIT

# The filters run as lp and must reach the spool inside our folder.
chmod 755 "$work"
c=$work/cups
mkdir -p "$c/etc/ppd" "$c/spool/tmp" "$c/cache" "$c/state" "$c/log" "$work/pdf" "$work/cups-pdf" "$work/prog" "$work/home"
chmod 1777 "$c/spool/tmp"
cat >"$c/etc/cups-files.conf" <<EOF
ServerRoot $c/etc
RequestRoot $c/spool
TempDir $c/spool/tmp
CacheDir $c/cache
StateDir $c/state
AccessLog $c/log/access_log
ErrorLog $c/log/error_log
PageLog $c/log/page_log
SystemGroup root
EOF
cat >"$c/etc/cupsd.conf" <<EOF
Listen $c/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
printf 'Out %s\nSpool %s\nLog %s\n' "$work/pdf" "$work/cups-pdf" "$c/log" >"$conf"
cupsd -f -c "$c/etc/cupsd.conf" -s "$c/etc/cups-files.conf" >"$c/log/cupsd.out" 2>&1 &
cupsd=$!
export CUPS_SERVER=$c/cups.sock
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null || { say "the private cupsd did not start"; cat "$c/log/cupsd.out"; exit 1; }
for paper in A4 Letter; do
  lpadmin -p "nb$paper" -E -v "cups-pdf:/$name" -P "$ppd" -o "PageSize=$paper" 2>/dev/null
done
say "cupsd $cupsd on $CUPS_SERVER with queues: $(lpstat -e | tr '\n' ' ')"

copy_program "$build" "$work/prog"
# Study mode, factor 7; the worksheet later in practice mode, maximum 12.
printf '0\r\n3,7\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n' >"$work/prog/kwizzo.ini"
start_xvfb 211 230
HOME=$work/home LANG=de_DE.UTF-8 "$work/prog/numbloom" >"$work/out.log" 2>&1 &
app=$!
through_about
sleep 0.3

fail() { say "$*"; tail -20 "$c/log/error_log"; cat "$work/out.log"; exit 1; }
pdfs() { find "$work/pdf" -name '*.pdf' | wc -l; }
# Waits for the next PDF out of cups-pdf and keeps it as $1.
landed() {
  local before=$2 _
  for _ in $(seq 100); do [ "$(pdfs)" -gt "$before" ] && break; sleep 0.2; done
  [ "$(pdfs)" -gt "$before" ] || fail "no PDF came out of the queue for $1"
  sleep 0.3 # written out before it is read
  mv "$(ls -t "$work"/pdf/*.pdf | head -1)" "$work/$1.pdf"
}
# Asked again until the time is up: a search that meets a window as it is
# destroyed (the question closing as the warning opens) ends with an X error.
box() {
  local end=$((SECONDS + $2)) w
  while [ $SECONDS -lt $end ]; do
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.2
  done
}
# A healthy job says nothing: no box may follow the page.
quiet() { sleep 1; [ -z "$(xdotool search --onlyvisible --name '^Numbloom (Facts|Worksheet)$' 2>/dev/null)" ] ||
  fail "a box came up after $1 printed"; }
printWorksheet() {
  xdotool mousemove --window "$main" 604 132 click 1
  [ -n "$(box 'Print Worksheet' 10)" ] || fail "no question before the worksheet"
  xdotool key Return
}

for paper in A4 Letter; do
  lpadmin -d "nb$paper"
  n=$(pdfs); xdotool windowfocus --sync "$main" 2>/dev/null || true; xdotool key alt+p
  landed "facts-$paper" "$n"; quiet "facts-$paper"
  say "Print Facts on nb$paper: $(pdfinfo "$work/facts-$paper.pdf" | grep '^Page size')"
done
xdotool mousemove --window "$main" 30 106 click 1 # Practice
sleep 0.3
for paper in A4 Letter; do
  lpadmin -d "nb$paper"
  n=$(pdfs); printWorksheet
  landed "worksheet-$paper" "$n"; quiet "worksheet-$paper"
  say "Print Worksheet on nb$paper: $(pdfinfo "$work/worksheet-$paper.pdf" | grep '^Page size')"
done

# A queue that turns jobs away: a warning, and nothing printed.
cupsreject nbLetter
n=$(pdfs); printWorksheet
[ -n "$(box 'Numbloom Worksheet' 15)" ] || fail "no warning from a queue that rejects jobs"
xdotool key Return
sleep 1
[ "$(pdfs)" -eq "$n" ] || fail "a rejected job printed"
say "a rejected job was reported"

# Printers, but the default one is gone: the page becomes a PDF, on A4 for de_DE.
lpadmin -x nbLetter
printWorksheet
[ -n "$(box 'Numbloom Worksheet' 15)" ] || fail "no word of the PDF with no default printer"
xdotool key Return
saved="$work/home/Documents/Numbloom Worksheet.pdf"
[ -s "$saved" ] || fail "no PDF in Documents with no default printer"
say "no default printer: $(pdfinfo "$saved" | grep '^Page size')"
xdotool key alt+x
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
app=""

# The page at 72 dpi, one pixel a point, without smoothing: a grid line is a
# row or column of the picture that is mostly black. The 850 x 1100 page
# spans the whole sheet, as cups-pdf prints to the paper's edges, so each line
# has its place as a share of the paper.
grid() { # PDF NAME WIDTH HEIGHT "vertical lines" "horizontal lines" (in page units)
  pdftoppm -r 72 -q -gray -aa no -aaVector no -singlefile "$1" "$work/page"
  local w h
  read -r w h < <(sed -n 2p "$work/page.pgm")
  [ "$w" -eq "$3" ] && [ "$h" -eq "$4" ] || fail "$2: the page is ${w}x$h points, not $3x$4"
  tail -c $((w * h)) "$work/page.pgm" | od -An -v -tu1 -w"$w" |
    awk -v W="$w" -v H="$h" -v V="$5" -v HL="$6" -v name="$2" '
      { for (x = 1; x <= NF; x++) if ($x < 128) { col[x]++; row[NR]++ } }
      # Centres of the runs of mostly black columns (or rows).
      function lines(count, n, length_, at,   i, k, start) {
        k = 0; start = 0
        for (i = 1; i <= n + 1; i++) {
          if (i <= n && count[i] > 0.6 * length_) { if (!start) start = i }
          else if (start) { at[++k] = (start + i - 1) / 2 - 1; start = 0 }
        }
        return k
      }
      function check(what, count, n, length_, want, scale,   at, k, u, nu, i, gap, g) {
        k = lines(count, n, length_, at)
        nu = split(want, u, " ")
        if (k != nu) { printf "%s: %d %s lines, not %d\n", name, k, what, nu; bad = 1; return }
        for (i = 1; i <= k; i++)
          if (at[i] - u[i] * scale > 2 || u[i] * scale - at[i] > 2) {
            printf "%s: %s line %d at %.1f, not %.1f\n", name, what, i, at[i], u[i] * scale; bad = 1 }
        gap = (at[k] - at[1]) / (k - 1)
        for (i = 2; i <= k; i++) { g = at[i] - at[i - 1]; if (g - gap > 1.5 || gap - g > 1.5) {
            printf "%s: %s gap %d is %.1f, not %.1f\n", name, what, i - 1, g, gap; bad = 1 } }
        printf "%s: %d %s lines from %.1f to %.1f, %.1f apart\n", name, k, what, at[1], at[k], gap
      }
      END {
        check("vertical", col, W, H, V, W / 850)
        check("horizontal", row, H, W, HL, H / 1100)
        exit bad
      }' || fail "$2: the grid is not whole or not even"
}
ws_v="50 125 200 275 350 425 500 575 650 725 800"
ws_h="110 205 300 395 490 585 680 775 870 965 1060"
for paper in A4 Letter; do
  if [ "$paper" = A4 ]; then size="595 842"; else size="612 792"; fi
  grid "$work/worksheet-$paper.pdf" "worksheet-$paper" $size "$ws_v" "$ws_h"
  grid "$work/facts-$paper.pdf" "facts-$paper" $size "100 317 534 751" "200 400 600 800 1000"
done
pdfinfo "$saved" | grep -q '^Page size: *595 x 842 pts' || fail "the PDF without a default printer is not A4"
say "all pages on their paper with whole, even grids"
