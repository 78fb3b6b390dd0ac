#!/usr/bin/env bash
# Renews the templates of the desktop entry, the AppStream file and the manual
# pages from their sources, and brings every catalogue up to them:
#   bash tools/vorlagen-schreibtisch.sh
# Run it after changing desktop/*.in or docs/man/de/*.6, then translate what
# msgmerge and po4a marked fuzzy or left empty.
set -euo pipefail
cd "$(dirname "$0")/.."

vorlage=po/desktop/steinfall-desktop.pot
xgettext --package-name=steinfall --msgid-bugs-address=https://github.com/steinfall/steinfall/issues \
    --from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file \
    -L Desktop -o "$vorlage" desktop/steinfall.desktop.in
xgettext --package-name=steinfall --from-code=UTF-8 --add-comments=TRANSLATORS: \
    --sort-by-file -j \
    --its=po/desktop/its/steinfall-metainfo.its -o "$vorlage" desktop/steinfall.metainfo.xml.in
sed -i "s/charset=CHARSET/charset=UTF-8/" "$vorlage"
for katalog in po/desktop/*.po; do
    msgmerge -q --update --backup=none "$katalog" "$vorlage"
done

# The manual pages: po4a renews po/man/steinfall-man.pot and merges it into
# po/man/<code>.po; the translated pages are only made by the build.
po4a --no-translations po/man/po4a.cfg
