#!/usr/bin/env bash
# Builds the Debian package from a clean copy of HEAD, checks it with lintian,
# installs it, starts the installed game under Xvfb, finds its menu entry and
# icon, then purges it and checks that none of its files are left.
#   bash tools/paketpruefung.sh
# Needs root (or sudo) for apt-get; the packages come from tools/einrichten.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=$PWD

als_root=()
if [ "$(id -u)" -ne 0 ]; then
    als_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

bau=$(mktemp -d)
installiert=""
aufraeumen() {
    if [ -n "$installiert" ]; then
        "${als_root[@]}" apt-get purge -y -qq steinfall >/dev/null || true
    fi
    rm -rf "$bau"
}
trap aufraeumen EXIT
fehler() {
    echo "paketpruefung: $*" >&2
    exit 1
}

# 1. Build in a clone of HEAD, as a fresh checkout would. The clone must stay
#    clean: every build product is either outside it or ignored.
git clone -q "$quelle" "$bau/steinfall"
(
    cd "$bau/steinfall"
    DEB_BUILD_OPTIONS="nocheck noddebs parallel=$(nproc)" \
        dpkg-buildpackage -us -uc -b >"$bau/bau.log" 2>&1 ||
        { tail -40 "$bau/bau.log"; exit 1; }
    [ -z "$(git status --porcelain --ignored=no)" ] || { git status --short; exit 1; }
) || fehler "dpkg-buildpackage fehlgeschlagen oder Klon verschmutzt"
paket=$(echo "$bau"/steinfall_*.deb)
version=$(dpkg-deb -f "$paket" Version)

# 2. lintian: neither errors nor warnings.
lintian --allow-root --fail-on error,warning "$bau"/steinfall_*.changes ||
    fehler "lintian meldet Fehler oder Warnungen"

# 3. Install, and list what the package owns before it goes again.
"${als_root[@]}" apt-get install -y -qq --no-install-recommends "$paket" >/dev/null
installiert=1
mapfile -t dateien < <(dpkg -L steinfall)

# 4. The installed programs answer without a window.
[ "$(/usr/games/steinfall --version)" = "steinfall $version" ] ||
    fehler "steinfall --version passt nicht zu $version"
[ "$(/usr/games/steinfall-analyse --version)" = "steinfall-analyse $version" ] ||
    fehler "steinfall-analyse --version passt nicht zu $version"
[ -f /usr/share/games/steinfall/KLACK.WAV ] || fehler "keine Klänge in /usr/share/games/steinfall"
# Every language of po/LINGUAS: its catalogue where gettext looks, and the
# installed game finds it and speaks it.
for sprache in $(grep -v '^#' po/LINGUAS); do
    [ -f "/usr/share/locale/$sprache/LC_MESSAGES/steinfall.mo" ] ||
        fehler "kein Katalog für $sprache in /usr/share/locale"
    hilfe=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
        /usr/games/steinfall --sprache "$sprache" --help) ||
        fehler "steinfall --sprache $sprache kennt die Sprache nicht"
    [[ $hilfe != Aufruf* ]] || fehler "steinfall --sprache $sprache spricht Deutsch"
done

# 5. The menu entry where desktops look for it, its command on the PATH of a
#    desktop session, its icon in the hicolor theme.
eintrag=$(printf '%s\n' "${dateien[@]}" | grep -E '^/usr/share/applications/[^/]+\.desktop$') ||
    fehler "kein Menüeintrag"
desktop-file-validate "$eintrag" || fehler "Menüeintrag ungültig"
for sprache in $(grep -v '^#' po/LINGUAS); do
    for schluessel in Name Comment; do
        grep -q "^$schluessel\[$sprache\]=" "$eintrag" ||
            fehler "Menüeintrag ohne $schluessel[$sprache]"
    done
done
symbol=$(sed -n 's/^Icon=//p' "$eintrag")
befehl=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$eintrag")
PATH=/usr/local/bin:/usr/bin:/bin:/usr/games command -v "$befehl" >/dev/null ||
    fehler "Befehl $befehl des Menüeintrags nicht gefunden"
for groesse in 16 32 48 256; do
    [ -f "/usr/share/icons/hicolor/${groesse}x${groesse}/apps/$symbol.png" ] ||
        fehler "Symbol $symbol fehlt in ${groesse}x${groesse}"
done
[ -f "/usr/share/icons/hicolor/scalable/apps/$symbol.svg" ] ||
    fehler "Symbol $symbol fehlt als SVG"
appstreamcli validate --no-net "/usr/share/metainfo/$symbol.metainfo.xml" >/dev/null ||
    fehler "AppStream-Datei ungültig"

# 6. The installed game opens its window.
(
    source tests/werkzeug/spiel.sh /usr/games/steinfall
    spiel_starten
) || fehler "das installierte Spiel zeigt kein Fenster"

# 7. Purge: nothing of the package is left.
"${als_root[@]}" apt-get purge -y -qq steinfall >/dev/null
installiert=""
rest=()
for datei in "${dateien[@]}"; do
    if [ -e "$datei" ] && [ ! -d "$datei" ]; then
        rest+=("$datei")
    fi
done
[ -d /usr/share/games/steinfall ] && rest+=(/usr/share/games/steinfall)
((${#rest[@]} == 0)) || fehler "nach dem Entfernen noch da: ${rest[*]}"
echo "Paket $version in Ordnung"
