#!/usr/bin/env bash
# Builds the plug-in in Release, installs it into the user's plug-in folders
# (~/.vst3, and ~/.vst for the VST 2.4 plug-in) and renders a short demo
# through the installed VST3: a generated chord in, tremolo-demo.wav out.
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/dependencies.sh
install_dependencies

build=build/demo
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLUMIVER_BUILD_TESTS=OFF -DLUMIVER_BUILD_BENCHMARKS=OFF \
    -DLUMIVER_VST3_INSTALL_DIR="$HOME/.vst3" -DLUMIVER_VST2_INSTALL_DIR="$HOME/.vst"
cmake --build "$build"
cmake --install "$build"

render="$build/tools/render/lumiver_render"
plugin="$HOME/.vst3/LumiverPX2741.vst3"
signal="$build/demo-signal.wav"
demo="$PWD/tremolo-demo.wav"

# The test signal, then the demo through the installed plug-in at depth 0.8
# (parameter 5) with the stereo mode on (parameter 7).
"$render" --demo-signal "$signal" > /dev/null
"$render" "$signal" "$plugin" "$demo" 5=0.8 7=1 > /dev/null

echo "Installed $plugin"
echo "Installed $HOME/.vst/LumiverPX2741.so"
echo "Wrote the demo to $demo"
