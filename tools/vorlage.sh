#!/usr/bin/env bash
# Makes the catalogue template po/steinfall.pot from the sources and brings
# every catalogue of po/LINGUAS up to date with it (msgmerge).
#
# With --nach DATEI only the template is written, to DATEI, and no catalogue
# is touched: the test that the template is current compares it with
# po/steinfall.pot.
set -euo pipefail
quelle="$(cd "$(dirname "$0")/.." && pwd)"
cd "$quelle"

ziel=po/steinfall.pot
nur_vorlage=false
case "${1:-}" in
--nach)
    ziel="$2"
    nur_vorlage=true
    ;;
"") ;;
*)
    echo "Aufruf: bash tools/vorlage.sh [--nach DATEI]" >&2
    exit 2
    ;;
esac

# Every source that shows or speaks a text, in a fixed order.
mapfile -t dateien < <(find ai app core ui zeichnen tools/analyse -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)

neu="$(mktemp)"
trap 'rm -f "$neu"' EXIT
xgettext --language=C++ --from-code=UTF-8 --sort-by-file --add-comments=TRANSLATORS: \
    --keyword --keyword=Uebersetzung --keyword=Sprachtext --keyword=UebersetzungMerken \
    --keyword=UebersetzungIm:1c,2 --keyword=SprachtextIm:1c,2 \
    --package-name=steinfall --msgid-bugs-address=steinfall@users.noreply.github.com \
    --copyright-holder="Steinfall-Entwickler" --output="$neu" "${dateien[@]}"
# The template says it is UTF-8, as its texts are.
sed -i 's/charset=CHARSET/charset=UTF-8/' "$neu"

# Only a changed text makes a new template: a new date alone is no change.
ohne_datum() { grep -v '^"POT-Creation-Date:' "$1"; }
if [ -f "$ziel" ] && cmp -s <(ohne_datum "$ziel") <(ohne_datum "$neu"); then
    :
else
    cp "$neu" "$ziel"
fi

if ! $nur_vorlage; then
    while read -r sprache; do
        case "$sprache" in "" | \#*) continue ;; esac
        msgmerge --quiet --update --backup=none --previous "po/$sprache.po" po/steinfall.pot
    done <po/LINGUAS
fi
