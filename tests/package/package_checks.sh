#!/usr/bin/env bash
# Checks of the Debian package, one per CTest test:
#   build PACKAGE_DIR CPACK BUILD_DIR   builds the package afresh into PACKAGE_DIR
#   contents|desktop_entry|metainfo|lintian PACKAGE_DIR STAGE_DIR ASSETS_DIR
set -euo pipefail
check=$1 package_dir=$2

if [ "$check" = build ]; then
  cpack=$3 build_dir=$4
  rm -rf "$package_dir"
  "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$package_dir"
  exit 0
fi

stage=$3 assets=$4
shopt -s nullglob
debs=("$package_dir"/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one .deb in $package_dir, found ${#debs[@]}"; exit 1; }
deb=${debs[0]}
app=usr/lib/russian-contest-trainer
id=ru.school_contest.russian_contest_trainer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

case "$check" in
contents)
  dpkg-deb -c "$deb" | awk '{print $1, substr($0, index($0, "./") + 2)}' >"$scratch/listing"
  # Files (not folders) with their modes, and every folder on their way.
  grep -v '^d' "$scratch/listing" | cut -d' ' -f2- | sort >"$scratch/files"
  {
    echo usr/bin/russian-contest-trainer
    echo usr/share/applications/russian-contest-trainer.desktop
    echo usr/share/icons/hicolor/scalable/apps/russian-contest-trainer.svg
    for size in 16 24 32 48 64 128 256; do
      echo "usr/share/icons/hicolor/${size}x${size}/apps/russian-contest-trainer.png"
    done
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo usr/share/man/man1/russian-contest-trainer.1.gz
    echo usr/share/doc/russian-contest-trainer/copyright
    echo usr/share/doc/russian-contest-trainer/changelog.gz
    # The staged folder as the program runs from it, whole.
    (cd "$stage" && find . -type f -printf "$app/%P\n")
  } | sort >"$scratch/expected"
  if ! diff -u "$scratch/expected" "$scratch/files"; then
    fail "the package's files differ from the expected ones (- expected, + in the package)"
  fi
  # The staged folder must itself hold the program, its companion and the assets' folders.
  for f in trainer OviInfo.exe Fonts/SILDoulosIPA.ttf Fonts/SILDoulosIPA-LICENSE.txt \
           Info/rules/rules.html; do
    grep -qx "$app/$f" "$scratch/files" || fail "$app/$f is missing"
  done
  for dir in Images Fonts Info; do
    want=$(cd "$assets/$dir" && find . -type f | wc -l)
    have=$(grep -c "^$app/$dir/" "$scratch/files" || true)
    [ "$want" -eq "$have" ] || fail "$app/$dir holds $have files, assets/$dir $want"
  done
  for f in usr/bin/russian-contest-trainer "$app/trainer" "$app/OviInfo.exe"; do
    grep -qx -- "-rwxr-xr-x $f" "$scratch/listing" || fail "$f is not an executable (0755)"
  done
  bad=$(grep -v '^d' "$scratch/listing" | grep -v '^-rwxr-xr-x \|^-rw-r--r-- ' || true)
  [ -z "$bad" ] || fail "unexpected modes: $bad"
  owners=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv --numeric-owner | awk '{print $2}' | sort -u)
  [ "$owners" = "0/0" ] || fail "files not owned by root: $owners"
  # Control fields: libraries found by dpkg-shlibdeps, and the fonts the windows draw with.
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
  for dep in libqt6widgets6 libqt6gui6 libqt6core6 libturbojpeg0 libstdc++6 fonts-liberation2 fonts-dejavu-core; do
    grep -qxF "$dep" <<<"$names" || fail "Depends lacks $dep"
  done
  [ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "Section is not education"
  [ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is not $(dpkg --print-architecture)"
  ;;
desktop_entry)
  dpkg-deb -x "$deb" "$scratch"
  entry=$scratch/usr/share/applications/russian-contest-trainer.desktop
  desktop-file-validate "$entry"
  grep -qx 'Name\[ru\]=.*' "$entry" || fail "no Russian name"
  grep -qx 'Comment\[ru\]=.*' "$entry" || fail "no Russian comment"
  grep -qx 'Categories=Education;.*' "$entry" || fail "not in Education"
  # The command and icon it names are the package's own.
  exec_name=$(sed -n 's/^Exec=//p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -x "$scratch/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in usr/bin"
  [ -f "$scratch/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
  ;;
metainfo)
  dpkg-deb -x "$deb" "$scratch"
  file=$scratch/usr/share/metainfo/$id.metainfo.xml
  appstreamcli validate --no-net --pedantic "$file"
  grep -q '<p xml:lang="ru">' "$file" || fail "no Russian description"
  grep -q '<launchable type="desktop-id">russian-contest-trainer.desktop</launchable>' "$file" ||
    fail "the metadata does not name the desktop entry"
  version=$(dpkg-deb -f "$deb" Version)
  grep -q "<release version=\"$version\"" "$file" || fail "no release $version in the metadata"
  ;;
lintian)
  # Errors fail the check; warnings and the rest are printed for the reader.
  lintian --fail-on error --display-info "$deb"
  ;;
*)
  fail "unknown check $check"
  ;;
esac
echo "package $check: ok"
