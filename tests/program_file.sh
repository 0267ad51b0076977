# Checks of tavrino.exe made with tools that did not write it.

EXE() { echo "$BUILD/win64/tavrino.exe"; }

file_imports_only_windows_system_dlls() {
  local dlls
  dlls=$(x86_64-w64-mingw32-objdump -p "$(EXE)" | awk '/DLL Name:/{print toupper($3)}' | sort -u)
  echo "   imports: $(echo $dlls)"
  for dll in $dlls; do
    case "$dll" in
      KERNEL32.DLL|USER32.DLL|GDI32.DLL|MSVCRT.DLL|COMCTL32.DLL|ADVAPI32.DLL) ;;
      *) fail "imports $dll"; return 1 ;;
    esac
  done
}

file_is_a_64_bit_gui_program() {
  local header
  header=$(x86_64-w64-mingw32-objdump -p "$(EXE)")
  grep -q 'Magic.*020b' <<<"$header" || fail "not PE32+"
  grep -q 'Subsystem.*00000002' <<<"$header" || fail "not a GUI program"
}

file_has_one_128_pixel_32_bit_icon_named_default_icon() {
  local listing dir
  listing=$(wrestool -l "$(EXE)")
  grep -q -- "--type=14 --name='DEFAULT_ICON'" <<<"$listing" || { fail "no group icon DEFAULT_ICON"; return 1; }
  [ "$(grep -c -- '--type=14' <<<"$listing")" -eq 1 ] || fail "more than one group icon"
  dir=$(mktemp -d)
  wrestool -x --type=14 --name=DEFAULT_ICON -o "$dir/icon.ico" "$(EXE)"
  listing=$(icotool -l "$dir/icon.ico")
  rm -rf "$dir"
  [ "$listing" = "--icon --index=1 --width=128 --height=128 --bit-depth=32 --palette-size=0" ] ||
    fail "icon images: $listing"
}

file_manifest_runs_as_invoker_without_dpi_awareness() {
  local manifest
  manifest=$(wrestool -x --type=24 --raw "$(EXE)")
  grep -q 'level="asInvoker"' <<<"$manifest" || fail "no asInvoker"
  grep -q 'supportedOS' <<<"$manifest" || fail "no supported-OS entries"
  ! grep -qi 'dpiAware' <<<"$manifest" || fail "declares DPI awareness"
}

file_has_aslr_high_entropy_and_dep() {
  local flags
  flags=$(x86_64-w64-mingw32-objdump -p "$(EXE)" | awk '/^DllCharacteristics/{print $2}')
  echo "   DllCharacteristics: $flags"
  (( (16#$flags & 0x40) != 0 )) || fail "no ASLR (DYNAMIC_BASE)"
  (( (16#$flags & 0x20) != 0 )) || fail "no high-entropy addresses (HIGH_ENTROPY_VA)"
  (( (16#$flags & 0x100) != 0 )) || fail "no DEP (NX_COMPAT)"
  x86_64-w64-mingw32-objdump -h "$(EXE)" | grep -q '\.reloc' || fail "no relocations to move it"
}
