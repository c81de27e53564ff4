#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop sees of it: the menu
# entry, the metainfo, the icons, the udev rule, the plot module and the .r72 file type.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
share=$scratch/usr/share

desktop-file-validate "$share/applications/org.limnaset.Limnaset.desktop"
appstreamcli validate --no-net "$share/metainfo/org.limnaset.Limnaset.metainfo.xml"
test -s "$share/icons/hicolor/scalable/apps/limnaset.svg"
for size in 16 22 24 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/limnaset.png" | grep -q "PNG image data, $size x $size"
done
grep -q 'ATTRS{product}=="USB LIMNASET Adapter"' "$scratch/usr/lib/udev/rules.d/60-limnaset.rules"
# The plots' module, which the window loads by its full path.
compgen -G "$scratch/usr/lib*/limnaset/liblimnaset_plot.so" >/dev/null

# The file type by name, and by the image's own mark for a file without the extension.
export XDG_DATA_HOME=$scratch/xdg
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$share/mime/packages/limnaset.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime"
"$scratch/usr/bin/limnaset-cli" new "$scratch/site.r72"
cp "$scratch/site.r72" "$scratch/image"
printf 'notes\n' >"$scratch/notes"
expect() {
    local got
    got=$(gio info -a standard::content-type "$scratch/$1" | sed -n 's/.*content-type: //p')
    if [[ "$got" != "$2" ]]; then
        echo "$1: $got, expected $2" >&2
        exit 1
    fi
}
expect site.r72 application/x-limnaset-r72
expect image application/x-limnaset-r72
expect notes text/plain
echo "installed files check out"
