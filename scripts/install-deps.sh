#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need. Does
# nothing when they are all there already, so it is safe to run every time.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qtbase5-dev qtscript5-dev libquazip1-qt5-dev
    libbenchmark-dev
    # The window program: translations compiled at build time, the
    # framework's own translations, an icon theme that is always there (and
    # the plugin that reads its SVG icons), D-Bus for the desktop services.
    qttools5-dev qttools5-dev-tools qttranslations5-l10n
    adwaita-icon-theme libqt5svg5
    # GIO: the applications registered for a file type ("Open With"); a
    # private session bus for the tests of the file manager's services.
    libglib2.0-dev dbus
    # Elevation (pkexec and its polkit daemon) and opening files with the
    # desktop's default application; xhost admits the root window to an
    # XWayland display.
    pkexec xdg-utils x11-xserver-utils
    # The index service tells systemd when it is ready.
    libsystemd-dev
    # Used by the tests: real file systems on loop devices, the PDF converter.
    e2fsprogs xfsprogs btrfs-progs poppler-utils util-linux
    # The index service's tests: users given access by an ACL (setfacl).
    acl
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

run=()
[ "$(id -u)" -ne 0 ] && run=(sudo)
echo "Installing: ${missing[*]}" >&2
"${run[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
