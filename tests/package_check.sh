#!/usr/bin/env bash
# The Debian package, checked as a user's apt and desktop would see it.
#
#   package_check.sh build  DIR CPACK CONFIG   make the package afresh in DIR
#   package_check.sh CHECK  DIR VERSION SOURCE one check of the package in DIR
#
# Each check prints what it found wrong and exits non-zero; silence and exit 0
# is a pass.
set -euo pipefail

check="$1"
dir="$2"

fail() {
  echo "FAIL ($check): $*" >&2
  exit 1
}

if [[ "$check" == build ]]; then
  cpack="$3"
  config="$4"
  # A package left over from an earlier run must not pass for this one.
  rm -rf "$dir"
  mkdir -p "$dir"
  "$cpack" -G DEB --config "$config" -B "$dir" || fail "cpack could not make the package"
  exit 0
fi

version="$3"
source="$4"
deb="$dir/capset_${version}_amd64.deb"
[[ -f "$deb" ]] || fail "no $deb; the folder holds: $(ls -A "$dir" | tr '\n' ' ')"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The package's files, unpacked as dpkg would lay them out under /.
unpack() {
  dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb cannot unpack $deb"
}

# One field of the control file; empty when the field is absent.
field() {
  dpkg-deb -f "$deb" "$1"
}

# The value of KEY= in the unpacked desktop entry.
entry() {
  sed -n "s/^$1=//p" "$work/root/usr/share/applications/capset.desktop"
}

case "$check" in
  file-name)
    # cpack names the file itself; the name must be the one the README and
    # `apt-get install ./capset_*.deb` expect, and there must be only one.
    debs=("$dir"/*.deb)
    ((${#debs[@]} == 1)) || fail "expected one package, found: ${debs[*]}"
    ;;

  files)
    # Exactly the program and its desktop files, owned by root, with the
    # modes a distribution package has: no cap_replay, no test or benchmark
    # program, no library or header of the build.
    expected="-rwxr-xr-x root/root ./usr/bin/capset
-rw-r--r-- root/root ./usr/share/applications/capset.desktop
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/capset.svg
-rw-r--r-- root/root ./usr/share/mime/packages/capset.xml"
    found="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | LC_ALL=C sort -k3)"
    [[ "$found" == "$expected" ]] ||
      fail "the package holds other files than the program's:
$(diff <(echo "$expected") <(echo "$found") || true)"
    ;;

  control)
    for name in Package Version Architecture Maintainer Section Priority Description Installed-Size; do
      [[ -n "$(field "$name")" ]] || fail "the control file has no $name field"
    done
    [[ "$(field Package)" == capset ]] || fail "Package is '$(field Package)', not capset"
    [[ "$(field Version)" == "$version" ]] || fail "Version is '$(field Version)', not $version"
    [[ "$(field Architecture)" == amd64 ]] || fail "Architecture is '$(field Architecture)', not amd64"
    [[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
      fail "Maintainer '$(field Maintainer)' is not of the form 'name <address>'"
    [[ -z "$(field Homepage)" ]] || fail "the package names a homepage: $(field Homepage)"
    # A summary line and an extended description of its own below it.
    (($(field Description | wc -l) > 2)) || fail "the description has no extended text"
    ;;

  depends)
    # What the program links, found by dpkg-shlibdeps, with the versions it
    # was built against; and the CJK fonts the window's captions ask for.
    depends="$(field Depends)"
    for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
      [[ "$depends" =~ (^|, )"$package"\ \(\>=\ [^\)]+\) ]] ||
        fail "Depends does not name $package with a version: $depends"
    done
    for package in fonts-wqy-microhei fonts-noto-cjk; do
      [[ "$depends" =~ (^|, )"$package"(,|$) ]] || fail "Depends does not name $package: $depends"
    done
    ;;

  desktop-entry)
    unpack
    file="$work/root/usr/share/applications/capset.desktop"
    cmp -s "$file" "$source/packaging/capset.desktop" || fail "the packaged desktop entry differs from packaging/capset.desktop"
    desktop-file-validate "$file" || fail "desktop-file-validate refuses the desktop entry"
    [[ -n "$(entry Name)" && -n "$(entry 'Name\[zh_CN\]')" ]] || fail "the entry lacks Name or Name[zh_CN]"
    # What the entry names must be in the package: the program it starts,
    # the icon it shows, the file type it opens.
    exec_line="$(entry Exec)"
    [[ "$exec_line" == "capset %f" ]] || fail "Exec is '$exec_line', not 'capset %f'"
    [[ -x "$work/root/usr/bin/${exec_line%% *}" ]] || fail "Exec names a program the package does not hold"
    icon="$(entry Icon)"
    [[ -f "$work/root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ]] ||
      fail "Icon=$icon, but the package holds no hicolor icon of that name"
    [[ "$(entry MimeType)" == "application/x-capset-job;" ]] || fail "MimeType is '$(entry MimeType)'"
    ;;

  mime-type)
    # The packaged type definition goes through update-mime-database as the
    # desktop's would; the resulting database must map *.capjob to the type
    # the desktop entry opens.
    unpack
    mkdir -p "$work/mime/packages"
    cp "$work/root/usr/share/mime/packages/capset.xml" "$work/mime/packages/"
    XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>"$work/mime.err" || fail "update-mime-database refuses capset.xml: $(cat "$work/mime.err")"
    [[ ! -s "$work/mime.err" ]] || fail "update-mime-database warns: $(cat "$work/mime.err")"
    grep -qx '[0-9]*:application/x-capset-job:\*\.capjob' "$work/mime/globs2" ||
      fail "the database does not map *.capjob to application/x-capset-job: $(cat "$work/mime/globs2")"
    grep -qx 'application/x-capset-job application/json' "$work/mime/subclasses" ||
      fail "the job type is not a kind of JSON in the database"
    ;;

  icon)
    unpack
    icon="$work/root/usr/share/icons/hicolor/scalable/apps/capset.svg"
    cmp -s "$icon" "$source/packaging/capset.svg" || fail "the packaged icon differs from packaging/capset.svg"
    [[ "$(file -b "$icon")" == SVG* ]] || fail "the icon is not an SVG image: $(file -b "$icon")"
    # Square, so that every size of the icon theme shows it undistorted.
    grep -q 'viewBox="0 0 \([0-9]*\) \1"' "$icon" || fail "the icon's viewBox is not square"
    ;;

  starts)
    # The packaged (stripped) program starts and keeps its window up until
    # it is stopped: timeout's 124. A crash, a missing library or a window
    # that closes at once ends it earlier with another status.
    unpack
    status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/capset" >"$work/out" 2>&1 || status=$?
    ((status == 124)) || fail "the program ended with status $status before the timeout: $(cat "$work/out")"
    ;;

  *)
    fail "no such check"
    ;;
esac
