# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by each shell test: a build machine has only the build dependencies.
needs() { # NEED...: commands, or files where NEED starts with /; lacking one, the test skips
    local need lacks=''
    for need; do
        [[ $need == /* && -e $need ]] || command -v "$need" >/dev/null || lacks+=" $need"
    done
    [[ -z $lacks ]] || { echo "skipped: this test needs$lacks" >&2; exit 77; }
}
