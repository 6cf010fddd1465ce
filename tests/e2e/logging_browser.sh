#!/bin/sh
# A browser that only notes which page it was asked to open.
printf '%s\n' "$1" >> "$IRG_BROWSER_LOG"
