#!/usr/bin/env bash
# Renders README.md as docs/manual.html, the manual the help page's Online
# Help opens.  Needs cmark-gfm (apt-get install cmark-gfm, for the tables);
# run it after changing the README and commit the result.  Images are found
# beside the manual.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v cmark-gfm >/dev/null || { echo "make-manual: cmark-gfm is not installed" >&2; exit 1; }
out=docs/manual.html
tmp="$out.tmp$$"
trap 'rm -f "$tmp"' EXIT
{
  cat <<'HEAD'
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>K_ColBalance</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; color: #222; }
code, pre { font-family: monospace; background: #f2f2f2; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; }
td, th { border: 1px solid #ccc; padding: 0.3em 0.5em; vertical-align: top; }
img { max-width: 100%; }
</style>
</head>
<body>
HEAD
  cmark-gfm --extension table --to html README.md | sed -e 's|src="docs/|src="|g'
  printf '</body>\n</html>\n'
} > "$tmp"
mv "$tmp" "$out"
trap - EXIT
echo "wrote $out"
