#!/usr/bin/env bash
# Screenshots of the table under a virtual display: at its design size, maximised, and with the
# truco question open. Installs the display and capture tools it needs when they are missing.
# Usage: scripts/capturas.sh [output folder]   (default: docs)
set -euo pipefail
cd "$(dirname "$0")/.."
saida="${1:-docs}"
faltam=()
command -v Xvfb >/dev/null || faltam+=(xvfb)
command -v xdotool >/dev/null || faltam+=(xdotool)
command -v import >/dev/null || faltam+=(imagemagick)
if [ ${#faltam[@]} -gt 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${faltam[@]}" >/dev/null
fi
cmake --build build --target pelmar -j"$(nproc)" >/dev/null
mkdir -p "$saida"
pasta=$(mktemp -d)
tela=:$((90 + RANDOM % 9))
Xvfb "$tela" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $jogo $xvfb 2>/dev/null || true; rm -rf "$pasta"' EXIT
export DISPLAY=$tela
sleep 1
build/pelmar --pasta "$pasta" --semente 7 >/dev/null 2>&1 &
jogo=$!
sleep 10
# Two of the user's cards, then the table mid-hand at its design size.
xdotool mousemove 327 500 click 1; sleep 3
xdotool mousemove 405 500 click 1; sleep 6
import -window root -crop 780x560+0+0 "$saida/mesa-780x560.png"
janela=$(xdotool search --onlyvisible --name PELMAR | head -1)
xdotool windowsize "$janela" 1280 800; sleep 2
import -window root "$saida/mesa-maximizada.png"
xdotool windowsize "$janela" 780 560; sleep 1
# The computer calls truco on the next hand by the debug switch; wait for the question window.
for _ in $(seq 1 60); do
  if xdotool search --name "Valendo" >/dev/null 2>&1; then break; fi
  xdotool mousemove 480 500 click 1 mousemove 405 500 click 1 mousemove 327 500 click 1; sleep 1
done
sleep 1
import -window root -crop 780x560+0+0 "$saida/pergunta-truco.png" || true
# Palette images: a fraction of the size, no visible loss on this art.
for f in "$saida/mesa-780x560.png" "$saida/mesa-maximizada.png" "$saida/pergunta-truco.png"; do
  [ -f "$f" ] && convert "$f" -colors 256 PNG8:"$f"
done
echo "capturas em $saida"
