# Shell helpers for the scripts that drive the program under X11.
# Source this file; it defines functions only.

# Prints the id of the first window whose title matches the pattern; waits
# up to 10 s for it to appear.
window_of() {
  for _ in $(seq 100); do
    if id=$(xdotool search --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
