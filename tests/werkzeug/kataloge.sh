#!/usr/bin/env bash
# The catalogues as CI checks them, one check per call:
#   pruefen      msgfmt --check on the template and every catalogue there is
#   vorlage      po/steinfall.pot holds exactly the texts of the sources now
#   vollstaendig every language of po/LINGUAS is translated throughout
#   bash tests/werkzeug/kataloge.sh PRUEFUNG QUELLORDNER ARBEITSORDNER
set -uo pipefail

pruefung=$1
po=$2/po
arbeit=$3
mkdir -p "$arbeit"
fehler=0

sprachen() { grep -v '^#' "$po/LINGUAS" | tr -s ' \t' '\n\n' | grep -v '^$'; }

case "$pruefung" in
pruefen)
    # The template has no translator's header yet, so only its texts count.
    msgfmt --check-format --check-domain -o /dev/null "$po/steinfall.pot" || fehler=1
    for katalog in "$po"/*.po; do
        echo -n "$(basename "$katalog"): "
        msgfmt --check --statistics -o /dev/null "$katalog" || fehler=1
    done
    ;;
vorlage)
    # Compared without the places in the sources and the date: a text added,
    # changed or gone, or a translator's note changed, is a stale template.
    bash "$2/tools/vorlage.sh" --nach "$arbeit/steinfall.pot" || exit 1
    texte() { grep -v -e '^#:' -e '^"POT-Creation-Date:' "$1"; }
    if ! diff -u <(texte "$po/steinfall.pot") <(texte "$arbeit/steinfall.pot"); then
        echo "po/steinfall.pot ist veraltet: bash tools/vorlage.sh"
        fehler=1
    fi
    ;;
vollstaendig)
    for sprache in $(sprachen); do
        katalog="$po/$sprache.po"
        if [ ! -f "$katalog" ]; then
            echo "$sprache: po/$sprache.po fehlt"
            fehler=1
            continue
        fi
        # Every text of the template, none untranslated, none fuzzy.
        fehlend=$(msgcmp --use-untranslated "$katalog" "$po/steinfall.pot" 2>&1) ||
            { echo "$sprache: $fehlend"; fehler=1; }
        for art in --untranslated --only-fuzzy; do
            offen=$(msgattrib "$art" --no-obsolete "$katalog")
            if [ -n "$offen" ]; then
                echo "$sprache: offen ($art):"
                echo "$offen"
                fehler=1
            fi
        done
    done
    ;;
*)
    echo "Aufruf: bash tests/werkzeug/kataloge.sh pruefen|vorlage|vollstaendig QUELLE ARBEIT" >&2
    exit 2
    ;;
esac
exit $fehler
