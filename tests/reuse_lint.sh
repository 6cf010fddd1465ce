#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# REUSE over the files git tracks alone: build folders and a packager's debian/ are not ours.
#   reuse_lint.sh SOURCE_DIR
set -euo pipefail
source "$(dirname "$0")/needs.sh" && needs reuse git "$1/.git"
work=$(mktemp -d)
trap 'rm -rf "$work" || true' EXIT
git -C "$1" ls-files -z | tar -C "$1" --null -T - -c | tar -C "$work" -x
reuse --root "$work" lint
