# Keyboard-only stories, seen from the Linux side: the X clipboard and the
# screen.

clipboard_now() { xclip -o -selection clipboard 2>/dev/null; }

e2e_copied_tickets_reach_the_linux_clipboard() {
  start_program || return 1
  local got
  xdotool type 12345
  xdotool key Tab space Tab space  # 按钮1, 按钮2
  xdotool key Tab Tab Tab space    # past both ticket boxes to 按钮3
  sleep 0.5
  got=$(clipboard_now)
  [ "$got" = "http://www.yy.com/go.html#12345" ] || fail "after 复制QQ飞机票 the clipboard holds '$got'"
  xdotool key Tab space            # 按钮4
  sleep 0.5
  got=$(clipboard_now)
  [ "$got" = "yy://12345" ] || fail "after 复制YY飞机票 the clipboard holds '$got'"
  xdotool key Escape
  expect_exit_code 0
}

e2e_about_window_tiles_its_picture_and_esc_closes_only_it() {
  start_program || return 1
  local shot about
  xdotool key Tab Tab Tab Tab Tab Tab Tab space  # 按钮5
  sleep 1
  about=$(xdotool search --name '^$' 2>/dev/null | while read -r w; do
    [ "$(geometry_of "$w")" = "50 50 229 176" ] && echo "$w"; done | head -n 1)
  [ -n "$about" ] || { fail "no about window of 229 x 176 at (50, 50)"; return 1; }
  shot=$(screenshot about-window)
  convert "$shot" -crop 229x176+50+50 +repage "$E2E_SHOTS/about-window-only.png"
  say "screenshot: $E2E_SHOTS/about-window-only.png"
  # One tile width apart, inside the client area, the picture repeats.
  [ "$(pixel_of "$shot" 60 150)" = "$(pixel_of "$shot" 188 150)" ] || fail "the picture is not tiled"
  [ "$(pixel_of "$shot" 60 150)" != "$(pixel_of "$shot" 60 200)" ] || fail "no picture at all"
  xdotool key Escape
  sleep 0.5
  kill -0 "$PROGRAM_PID" 2>/dev/null || fail "Esc on the about window ended the program"
  xdotool key Escape
  expect_exit_code 0
}
