#!/usr/bin/env bash
# The headless run on a virtual display: the tester worked by demo_driver, screenshots kept as PNG.
set -euo pipefail
source "$(dirname "$0")/common.sh"
demo="$1"

start_wineserver
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

status=0
# The tester as it opens, after a preview, during and after the full test scan.
if [ "${2:-strict}" = strict ]; then
  steps=(print "screenshot:$demo/tester.bmp"
    click:preview idle "wait:scan_test=Scan Test:OK!" print "screenshot:$demo/preview.bmp"
    click:scan "wait:elapsed_time=00:03" "screenshot:$demo/scanning.bmp" idle "wait:scan_test=Scan Test:OK!"
    print "screenshot:$demo/scan.bmp")
else
  steps=(print "screenshot:$demo/tester.bmp"
    click:preview idle print "screenshot:$demo/preview.bmp"
    click:scan idle print "screenshot:$demo/scan.bmp")
fi
wine "$demo/demo_driver.exe" "$demo/tester.exe" "${steps[@]}" click:exit exitcode:1 || status=$?

for bmp in "$demo"/*.bmp; do
  [ -e "$bmp" ] || continue
  # Crop to the tester's part of the screen, where the dialog stands.
  convert "$bmp" -crop 560x370+0+0 +repage "${bmp%.bmp}.png" && rm -f "$bmp"
  log "screenshot: ${bmp%.bmp}.png"
done
exit $status
