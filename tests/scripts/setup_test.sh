#!/usr/bin/env bash
# Setup's decisions, with stand-ins for dpkg-query, dpkg, apt-get and sudo
# first on PATH: no network and no root needed.
# Usage: setup_test.sh PATH/TO/scripts/setup
set -uo pipefail
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir -p "$bin"

cat >"$bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
pkg=${!#}
if { [ -n "${FAKE_ALL_BUT:-}" ] && [ "$pkg" != "$FAKE_ALL_BUT" ]; } || grep -qx "$pkg" "$FAKE_DIR/installed"; then
  printf installed
else
  exit 1
fi
STUB
cat >"$bin/dpkg" <<'STUB'
#!/usr/bin/env bash
echo "dpkg $*" >>"$FAKE_DIR/calls"
[ "$1" = --print-foreign-architectures ] && [ -f "$FAKE_DIR/i386" ] && echo i386
[ "$1" = --add-architecture ] && touch "$FAKE_DIR/i386"
exit 0
STUB
cat >"$bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_DIR/calls"
case $1 in
  update) [ -z "${FAKE_UPDATE_FAILS:-}" ] ;;
  install)
    shift 3
    for p in "$@"; do [ "$p" = "${FAKE_BROKEN:-}" ] && exit 100; done
    printf '%s\n' "$@" >>"$FAKE_DIR/installed" ;;
esac
STUB
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$bin/sudo"
chmod +x "$bin"/*

# name | update fails | broken package | all but this installed | exit | output has | calls have
cases=(
  "update fails, install works|1|||0|installing from the lists it has|apt-get install -y -q wine "
  "32-bit step fails||wine32:i386||0|the 32-bit Wine could not be installed|apt-get install -y -q wine32:i386"
  "needed package fails||xdotool||1|failed for: .*xdotool|apt-get update"
  "nothing missing|||wine32:i386|0||^\$"
  "only run's screenshot tool missing|||imagemagick|0|installing imagemagick|apt-get install -y -q imagemagick\$"
  "screenshot tool fails||imagemagick||0|ImageMagick could not be installed.*cannot save a picture|apt-get install -y -q imagemagick\$"
)

passed=0 failed=0
for row in "${cases[@]}"; do
  IFS='|' read -r name update_fails broken all_but want_rc want_out want_calls <<<"$row"
  export FAKE_DIR=$work/case TMPDIR=$work/case
  rm -rf "$FAKE_DIR" && mkdir -p "$FAKE_DIR" && : >"$FAKE_DIR/installed" && : >"$FAKE_DIR/calls"
  out=$(FAKE_UPDATE_FAILS=$update_fails FAKE_BROKEN=$broken FAKE_ALL_BUT=$all_but PATH="$bin:$PATH" \
        bash "$setup" 2>&1)
  rc=$?
  calls=$(cat "$FAKE_DIR/calls")
  if [ "$rc" = "$want_rc" ] && grep -q -- "$want_out" <<<"$out" && grep -q -- "$want_calls" <<<"$calls"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s (exit %s, want %s)\n--- output\n%s\n--- calls\n%s\n' "$name" "$rc" "$want_rc" "$out" "$calls"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
