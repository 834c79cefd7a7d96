# The release's date, as the build writes it into the zip's entries and the program's signature:
# SOURCE_DATE_EPOCH where the caller sets one, else the date of this release (UTC).
release_epoch() { echo "${SOURCE_DATE_EPOCH:-$(date -u -d '2026-12-07 00:00:00' +%s)}"; }
