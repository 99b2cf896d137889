#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Gives every file git knows that lacks one the licence header (reuse annotate, the template in
# .reuse/templates/suispo.jinja2), in its own comment style; `reuse lint` checks the result. Files
# that cannot carry a header are covered by .reuse/dep5 instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tags are put together here so that reuse does not read this file's text as its licence.
spdx=SPDX
copyright_tag="$spdx-FileCopyrightText: 2026 The suispo developers"
license_tag="$spdx-License-Identifier: MIT"
annotate=(reuse annotate --template=suispo --copyright="The suispo developers" --year=2026 --license=MIT
          --skip-existing)

git ls-files -z -- . ':!:LICENSES/' ':!:.reuse/' ':!:*.png' ':!:*.ssp' ':!:*.json' ':!:tests/fuzz/corpus/' \
    ':!:debian/changelog' ':!:debian/copyright' ':!:debian/source/format' \
    ':!:*.htm' ':!:*.in' ':!:*.desktop' ':!:.ci/run' ':!:debian/control' ':!:debian/rules' |
  xargs -0 -r "${annotate[@]}" --skip-unrecognised
git ls-files -z -- '*.htm' '*.xml.in' | xargs -0 -r "${annotate[@]}" --style=html
git ls-files -z -- '*.h.in' '*.cpp.in' | xargs -0 -r "${annotate[@]}" --style=c --single-line
git ls-files -z -- '*.desktop' .ci/run debian/control debian/rules | xargs -0 -r "${annotate[@]}" --style=python

# Manual pages take troff comments, which reuse 1.1 does not know.
while IFS= read -r -d '' page; do
  grep -q "$spdx-License-Identifier" "$page" && continue
  text=$(cat "$page")
  printf '.\\" %s\n.\\" %s\n%s\n' "$copyright_tag" "$license_tag" "$text" >"$page"
done < <(git ls-files -z -- '*.[1-8].in' '*.[1-8]')

# The header sits right above the file's one-line comment: no blank line after it or after a #! line.
# A lintian override file keeps its blank line: it parts the header from the override's reason.
while IFS= read -r -d '' file; do
  grep -qI "$license_tag\$" "$file" || continue
  sed -i -e "/$license_tag\$/{n;/^\$/d}" -e '1{/^#!/{n;/^$/d}}' "$file"
done < <(git ls-files -z -- . ':!:*.lintian-overrides' ':!:LICENSES/')
