#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs the README's test command, scripts/test.sh, on another Debian release the way a new
# user of it would: in a root of that release, as a user with sudo, on a copy of the tracked
# files of this checkout.
#   scripts/test-release.sh [--fresh] RELEASE        (bookworm, trixie or forky)
# The root is made by debootstrap from deb.debian.org (QUORVANE_MIRROR to change it), and
# scripts/install-deps.sh installs the project's packages in it as that user. It is kept in
# QUORVANE_ROOTS (default /var/cache/quorvane/roots) for later runs, and made again when it
# is a week old, or with --fresh. Each run works on a throwaway overlay of it in mount and
# process namespaces of its own, so that whether the run passes, fails or is stopped, nothing
# stays mounted and no process stays behind.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "$0 mounts and changes root: run it as root" >&2; exit 1; }
    exec sudo -- "$0" "$@"
fi
cd "$(dirname "$0")/.."

fresh=false
[ "${1:-}" != --fresh ] || { fresh=true; shift; }
release=${1:-}
case "$release" in
    bookworm | trixie | forky) ;;
    *) echo "usage: $0 [--fresh] bookworm|trixie|forky" >&2; exit 2 ;;
esac
mirror=${QUORVANE_MIRROR:-http://deb.debian.org}
roots=${QUORVANE_ROOTS:-/var/cache/quorvane/roots}
root=$roots/$release
stamp=$roots/$release.made
user=user
step() { printf '== %s: %s\n' "$release" "$*"; }

scripts/install-deps.sh --only debootstrap

# One run of a release at a time: a run never sees its root being made again under it.
mkdir -p "$roots"
exec 9>"$roots/$release.lock"
flock 9
rm -rf "$roots/$release".run.* "$roots/$release.new"  # left by runs that were killed
work=$(mktemp -d "$roots/$release.run.XXXXXX")
child=
cleanup() {
    # unshare passes SIGTERM and SIGINT on to the namespace and waits; SIGKILL ends it at once,
    # and the namespace with it.
    if [ -n "$child" ]; then
        kill -KILL "$child" 2>/dev/null || true
        wait "$child" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs the bash code $1 (with arguments) in new mount and process namespaces: what it mounts
# goes with them, and every process it started is killed when it ends, or when this script
# ends, however it does.
isolated() {
    setpriv --pdeathsig KILL unshare --mount --propagation private --pid --fork --kill-child \
        bash -euo pipefail -c "$(declare -f in_root); $1" isolated "${@:2}" &
    child=$!
    local status=0
    wait "$child" || status=$?
    child=
    return "$status"
}
# in_root DIR COMMAND...: COMMAND run in DIR as its root, with the kernel's file systems,
# devices of its own and this machine's name service.
in_root() {
    local dir=$1 d
    shift
    mount -t proc proc "$dir/proc"
    mount --rbind /sys "$dir/sys"
    mount -t tmpfs -o mode=755,nosuid dev "$dir/dev"
    for d in null zero full random urandom tty; do
        touch "$dir/dev/$d"
        mount --bind "/dev/$d" "$dir/dev/$d"
    done
    mkdir "$dir/dev/pts" "$dir/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$dir/dev/pts"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$dir/dev/shm"
    ln -s pts/ptmx "$dir/dev/ptmx"
    ln -s /proc/self/fd "$dir/dev/fd"
    for d in resolv.conf hosts; do
        rm -f "$dir/etc/$d"
        touch "$dir/etc/$d"
        mount --bind "/etc/$d" "$dir/etc/$d"
    done
    chroot "$dir" "$@"
}

make_root() {
    local new=$roots/$release.new script=/usr/share/debootstrap/scripts/$release
    # An older debootstrap has no script for a release newer than it; unstable's fits.
    [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
    isolated 'debootstrap --variant=minbase --include=sudo,debian-archive-keyring "$@"' \
        "$release" "$new" "$mirror/debian" "$script" >"$work/debootstrap.log" 2>&1 ||
        { tail -20 "$work/debootstrap.log" >&2; return 1; }
    rm -f "$new/etc/apt/sources.list"
    cat >"$new/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror/debian
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $mirror/debian-security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    # A desktop user in the sudo group; sudo asks no password here, as nobody could type it.
    isolated 'in_root "$1" useradd --create-home --shell /bin/bash --groups sudo "$2"' "$new" "$user"
    echo "$user ALL=(ALL:ALL) NOPASSWD: ALL" >"$new/etc/sudoers.d/$user"
    chmod 440 "$new/etc/sudoers.d/$user"
    install -m 755 scripts/install-deps.sh "$new/tmp/install-deps.sh"
    isolated 'in_root "$1" sh -c "runuser -l $2 -c /tmp/install-deps.sh && apt-get clean"' \
        "$new" "$user"
    rm -f "$new/tmp/install-deps.sh" "$stamp"
    rm -rf "$root"
    mv "$new" "$root"
    touch "$stamp"
}

started=$SECONDS
if $fresh || [ -z "$(find "$stamp" -mtime -7 2>/dev/null)" ] || [ ! -d "$root" ]; then
    step "making the root in $root"
    make_root
else
    # The cached root gains whatever packages this checkout's list added.
    install -m 755 scripts/install-deps.sh "$root/tmp/install-deps.sh"
    isolated 'in_root "$1" /tmp/install-deps.sh' "$root"
    rm -f "$root/tmp/install-deps.sh"
fi
step "root ready in $((SECONDS - started)) s ($(du -sm "$root" | cut -f1) MB)"

started=$SECONDS
# The tracked files, as the one commit of a new repository in the user's home folder, go
# into the overlay's upper layer before it is mounted.
home=$work/upper/home/$user
mkdir -p "$home/quorvane" "$work/scratch" "$work/merged"
for d in home "home/$user"; do
    chown --reference="$root/$d" "$work/upper/$d"
    chmod --reference="$root/$d" "$work/upper/$d"
done
git ls-files -z | xargs -0 cp --parents -t "$home/quorvane"
git -C "$home/quorvane" init -q
git -C "$home/quorvane" add -A
git -C "$home/quorvane" -c user.name=tester -c user.email=tester@quorvane.invalid \
    commit -q -m "the tested tree"
chown -R --reference="$root/home/$user" "$home/quorvane"
status=0
isolated 'mount -t overlay overlay -o "lowerdir=$1,upperdir=$2/upper,workdir=$2/scratch" "$2/merged"
          in_root "$2/merged" runuser -l "$3" -c "cd quorvane && scripts/test.sh"' \
    "$root" "$work" "$user" || status=$?
step "scripts/test.sh $([ $status -eq 0 ] && echo passed || echo "FAILED ($status)") in" \
    "$((SECONDS - started)) s; the run wrote $(du -sm "$work/upper" | cut -f1) MB"
exit "$status"
