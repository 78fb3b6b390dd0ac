#!/usr/bin/env bash
# Runs the README's test command on another Debian release, as on a fresh
# machine: in a minimal chroot made with debootstrap, into which the current
# commit is cloned.
#   bash tools/debian.sh trixie            # every test, as tools/pruefen.sh
#   bash tools/debian.sh trixie --schnell  # tools/pruefen.sh --schnell: Debug build,
#                                          # unit and window tests
# The chroot's base system is kept under $STEINFALL_CHROOTS (default
# /var/cache/steinfall/chroot/<release>) and reused by the next run; the
# packages that tools/einrichten.sh installs stay in it too. --neu starts from
# a new base system. Needs root (debootstrap, chroot, mount).
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=$PWD

fehler() {
    echo "debian.sh: $*" >&2
    exit 1
}

release=${1:-}
shift || true
case "$release" in
bookworm | trixie) ;;
*) fehler "Aufruf: tools/debian.sh bookworm|trixie [--schnell] [--neu]" ;;
esac
schnell=0
neu=0
for arg in "$@"; do
    case "$arg" in
    --schnell) schnell=1 ;;
    --neu) neu=1 ;;
    *) fehler "unbekannte Option $arg" ;;
    esac
done
[ "$(id -u)" -eq 0 ] || fehler "braucht root (debootstrap, chroot, mount)"
command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap

# The same mirror as the machine's own apt sources.
spiegel() {
    local datei
    for datei in /etc/apt/sources.list.d/*.sources; do
        [ -f "$datei" ] || continue
        awk '/^URIs:/ && $2 ~ /\/debian\/?$/ { print $2; exit }' "$datei"
    done
    if [ -f /etc/apt/sources.list ]; then
        awk '$1 == "deb" && $2 ~ /\/debian\/?$/ { print $2; exit }
             $1 == "deb" && $2 ~ /^\[/ && $3 ~ /\/debian\/?$/ { print $3; exit }' \
            /etc/apt/sources.list
    fi
}
mirror=${STEINFALL_SPIEGEL:-$(spiegel | head -n 1)}
[ -n "$mirror" ] || fehler "kein Debian-Spiegel in /etc/apt gefunden (STEINFALL_SPIEGEL setzen)"

wurzel=${STEINFALL_CHROOTS:-/var/cache/steinfall/chroot}/$release
if ((neu)) || [ ! -f "$wurzel/.steinfall-basis" ]; then
    rm -rf "$wurzel"
    mkdir -p "$wurzel"
    echo "debootstrap $release nach $wurzel"
    # git: the README starts from a clone, so a fresh machine has it.
    debootstrap --variant=minbase --include=git,ca-certificates "$release" "$wurzel" "$mirror" \
        >"$wurzel.log" 2>&1 || { tail -20 "$wurzel.log"; fehler "debootstrap fehlgeschlagen"; }
    touch "$wurzel/.steinfall-basis"
fi

eingehaengt=()
aufraeumen() {
    local i
    for ((i = ${#eingehaengt[@]} - 1; i >= 0; i--)); do
        umount -R "${eingehaengt[i]}" 2>/dev/null || umount -R -l "${eingehaengt[i]}" || true
    done
}
trap aufraeumen EXIT
einhaengen() {
    mount "$@"
    eingehaengt+=("${*: -1}")
}
einhaengen -t proc proc "$wurzel/proc"
einhaengen -t sysfs sysfs "$wurzel/sys"
einhaengen --rbind /dev "$wurzel/dev"
mount --make-rslave "$wurzel/dev"
einhaengen -t tmpfs tmpfs "$wurzel/tmp"
cp /etc/resolv.conf "$wurzel/etc/resolv.conf"

# A clean clone of the current commit, as a new user would have it.
rm -rf "$wurzel/root/steinfall"
git clone -q --no-hardlinks "$quelle" "$wurzel/root/steinfall"
git -C "$wurzel/root/steinfall" checkout -q "$(git rev-parse HEAD)"

if ((schnell)); then
    befehl='bash tools/pruefen.sh --schnell'
else
    befehl='bash tools/pruefen.sh'
fi
echo "$release: $befehl ($(git rev-parse --short HEAD))"
chroot "$wurzel" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin CI="${CI:-}" \
    bash -c "cd /root/steinfall && $befehl"
