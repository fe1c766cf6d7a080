#!/usr/bin/env bash
# Makes the demo medium once: a "hard disk" folder and a "backup drive"
# folder with a list file, files newer on one side or the other, one file
# only on the backup drive and one registered folder missing there.
#   scripts/make-demo-medium.sh DIR
set -euo pipefail
demo=$1
[ -e "$demo/mo/TWINDIR/TWINDIR.DAT" ] && exit 0

hdd=$demo/hdd
mo=$demo/mo
mkdir -p "$hdd/Mydir/Docs" "$mo/Mydir/Docs" "$hdd/仕事/報告書" "$mo/仕事/報告書" \
         "$hdd/Mydir/Photos" "$mo/TWINDIR"

put() {  # put FILE TIME TEXT
  printf '%s\n' "$3" > "$1"
  touch -d "$2" "$1"
}
put "$hdd/Mydir/Docs/plan.txt"   "2026-11-02 10:00" "plan, edited at the office"
put "$mo/Mydir/Docs/plan.txt"    "2026-11-01 21:00" "plan, as taken home"
put "$hdd/Mydir/Docs/memo.txt"   "2026-10-30 09:00" "memo, old"
put "$mo/Mydir/Docs/memo.txt"    "2026-11-03 22:15" "memo, edited at home"
put "$hdd/Mydir/Docs/same.txt"   "2026-10-01 12:00" "unchanged"
put "$mo/Mydir/Docs/same.txt"    "2026-10-01 12:00" "unchanged"
put "$mo/Mydir/Docs/old-notes.txt" "2026-09-15 18:00" "only on the medium"
put "$hdd/Mydir/Docs/draft.txt"  "2026-11-04 08:30" "only on the hard disk"
put "$hdd/仕事/報告書/報告.txt"  "2026-11-01 17:00" "報告書（会社）"
put "$mo/仕事/報告書/報告.txt"   "2026-11-05 23:00" "報告書（自宅で加筆）"
put "$hdd/Mydir/Photos/trip.jpg" "2026-08-20 15:00" "not a real picture"

printf 'C:\\Mydir\\Docs\r\nC:\\Mydir\\Photos\r\nC:\\仕事\\報告書\r\n' |
  iconv -f UTF-8 -t CP932 > "$mo/TWINDIR/TWINDIR.DAT"
echo "Demo medium made in $demo"
