# SPDX-License-Identifier: MIT
# Sourced wherever a test or a benchmark runs Wine. Wine writes for the desktop
# it runs on: menu entries and icons for every Start menu link an installer
# makes, and links from its prefix to the user's folders. Here it has a home of
# its own and its menu builder is off, so that nothing reaches the user's.
#   wine_sandbox DIR    (the home and the prefix, DIR/wine, are made in DIR)
wine_sandbox() {
  mkdir -p "$1"
  export HOME=$1 XDG_DATA_HOME=$1/.local/share XDG_CONFIG_HOME=$1/.config XDG_CACHE_HOME=$1/.cache
  export WINEPREFIX=$1/wine
  # No Mono or Gecko prompts either.
  export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d' WINEDEBUG=-all
}
