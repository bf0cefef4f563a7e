#!/usr/bin/env bash
# The walkthrough runner's reports: a segment whose step cannot hold fails naming SEGMENT:LINE and
# the step, alone and joined after another segment, and so does a line the driver cannot read; a
# segment whose `from` does not match where the one before it ends fails on its header; a list
# naming a missing segment says which.
set -euo pipefail
runner="$(dirname "$0")/walkthrough.sh"
driver=$1
opening=$(realpath "$2")  # a segment from the title that ends in the guest room at stage 3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

printf '# from: --field 11 --stage 3\n# frames: 60\nexpect stage 3\nexpect item hasDarts\n' \
    >"$out/broken.route"
printf '# from: --field 11 --stage 4\n# frames: 60\nexpect stage 4\n' >"$out/later.route"
printf '# from: --field 11\n# frames: 60\n# a typo\nwalkto 1\n' >"$out/unread.route"
printf '%s\nbroken.route\n' "$opening" >"$out/broken.list"
printf '%s\nlater.route\n' "$opening" >"$out/later.list"
printf '%s\nmissing.route\n' "$opening" >"$out/missing.list"

# Each run must fail with a line matching its pattern.
check() {
    local pattern=$1
    shift
    if bash "$runner" "$driver" "$@" 2>"$out/err"; then
        echo "walkthrough.sh $* did not fail"
        exit 1
    fi
    grep -qE "$pattern" "$out/err" || {
        echo "walkthrough.sh $*: wanted /$pattern/, got:"
        cat "$out/err"
        exit 1
    }
}
cantHold='broken\.route:4 "expect item hasDarts": frame [0-9]+: expected item hasDarts, found'
check "^walkthrough: $cantHold" --segment "$out/broken.route"
check "^walkthrough: $cantHold" "$out/broken.list"
check '^walkthrough: unread\.route:4 "walkto 1": cannot read$' --segment "$out/unread.route"
laterFrom='later\.route:1 "# from: --field 11 --stage 4"'
check "^walkthrough: $laterFrom: frame [0-9]+: expected stage 4" "$out/later.list"
check "names segments that do not exist: missing\.route" "$out/missing.list"
echo "walkthrough failures reported"
