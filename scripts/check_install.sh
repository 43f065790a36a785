#!/usr/bin/env bash
# Installs a build into a temporary root and uses it as outside users do: a C program through
# pkg-config and through the CMake package, the manual page, the Debian package and lintian,
# the shared system libraries, and the message when a library loaded on first use is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=/usr/local
root=$work/root
DESTDIR=$root cmake --install "$build_dir" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$root" -name 'libtessaly_encoders.so' | head -1)")
export LD_LIBRARY_PATH=$libdir

echo "== pkg-config"
PKG_CONFIG_PATH=$libdir/pkgconfig \
  sh -c 'cc packaging/consumer/consumer.c $(pkg-config --cflags --libs tessaly-encoders) -o "$0"' \
  "$work/consumer-pc"
"$work/consumer-pc"

echo "== find_package"
cmake -S packaging/consumer -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$root$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
"$work/consumer/consumer"

echo "== manual page"
for page in "$root$prefix"/share/man/man1/tessaly*.1.gz; do
  warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
done

echo "== desktop integration"
if [ -x "$root$prefix/bin/tessaly-gui" ]; then
  desktop-file-validate "$root$prefix/share/applications/tessaly.desktop"
  # The MIME database compiler reads the types as the desktop will.
  mkdir -p "$work/mime/packages"
  cp "$root$prefix/share/mime/packages/tessaly.xml" "$work/mime/packages/"
  update-mime-database "$work/mime" 2>/dev/null
  grep -q 'application/x-tessaly-code39:\*\.c39' "$work/mime/globs2" ||
    { echo "the MIME types did not compile"; exit 1; }
fi

echo "== shared system libraries, one GLib"
linked=$(ldd "$build_dir/tessaly")
for lib in libpng16 libz libstdc++; do
  grep -q "$lib" <<<"$linked" || { echo "tessaly does not link $lib shared"; exit 1; }
done
# The rest are opened as the run needs them: a captioned JPEG loads FreeType and libjpeg.
opened=$(LD_DEBUG=libs "$build_dir/tessaly" /symbol=C39 /message=ABC /addcaption=1 \
  /ofile="$work/abc.jpg" 2>&1)
for lib in libjpeg.so.62 libfreetype.so.6; do
  grep -q "calling init: .*$lib" <<<"$opened" || { echo "a captioned JPEG did not load $lib"; exit 1; }
done
"$build_dir/tessaly" /symbol=C39 /message=ABC /ofile="$work/abc.C39" >/dev/null
glibs=$(LD_DEBUG=libs "$build_dir/tessaly" "$work/abc.C39" /ofile="$work/abc.png" 2>&1 |
  grep -c 'calling init: .*libglib-2.0' || true)
[ "$glibs" = 1 ] || { echo "a document run initialised GLib $glibs times"; exit 1; }

echo "== a missing library is named"
mkdir "$work/hide"
: >"$work/hide/libtiff.so.6"
: >"$work/hide/libtiff.so"
set +e
message=$(LD_LIBRARY_PATH=$work/hide "$build_dir/tessaly" /symbol=QR /message=hi \
  /ofile="$work/x.tif" 2>&1)
status=$?
set -e
echo "$message"
[ "$status" = 1 ] && grep -q "TIFF export needs libtiff.so.6" <<<"$message" || exit 1
LD_LIBRARY_PATH=$work/hide "$build_dir/tessaly" /symbol=QR /message=hi /ofile="$work/x.png"

echo "== Debian package"
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" >/dev/null)
debs=$(ls "$work"/*.deb)
for deb in $debs; do dpkg-deb --field "$deb" Package Version Depends; echo; done
lintian_out=$(lintian --tag-display-limit 0 $debs 2>&1 || true)
echo "$lintian_out"
if grep -q '^E:' <<<"$lintian_out"; then exit 1; fi
echo "install check passed"
