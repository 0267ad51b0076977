# The main window as a user first sees it, and the ways to close it.

e2e_main_window_opens_centred_and_esc_ends_with_zero() {
  start_program || return 1
  local title expected geometry shot
  title=$(xdotool getwindowname "$MAIN_WINDOW")
  expected="Tavrino             【免费版】"
  [ "$title" = "$expected" ] || fail "title '$title'"
  geometry=$(geometry_of "$MAIN_WINDOW")
  [ "$geometry" = "284 259 455 250" ] || fail "outer rectangle $geometry, expected 284 259 455 250"
  shot=$(screenshot main-window)
  say "screenshot: $shot"
  # Inside the left column, below the ID row: the group box's 3D face colour.
  [ "$(pixel_of "$shot" 300 330)" != "$(pixel_of "$shot" 10 10)" ] ||
    fail "the window is not on the screenshot"
  xdotool key Escape
  expect_exit_code 0
}

e2e_alt_f4_ends_with_zero() {
  start_program || return 1
  xdotool key alt+F4
  expect_exit_code 0
}
