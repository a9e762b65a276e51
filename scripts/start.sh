#!/usr/bin/env bash
# Installs what the build needs, builds, lays out a demo program folder in
# demo/ (kept between runs) and starts the till on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ ! -f demo/data.dbs ]; then
  build/bin/kur demo
else
  cp build/bin/kasapro demo/kasapro
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ekran bulunamadı (DISPLAY boş): kasiyer penceresi açılamıyor."
  echo "Ekransız bir makinede sanal ekranla çalıştırın:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' scripts/start.sh"
  exit 1
fi
exec demo/kasapro
