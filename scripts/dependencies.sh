# Installs what building and testing the plug-in needs on Debian 12.
# Sourced by demo.sh and test.sh.

lumiver_packages=(
    cmake ninja-build g++ pkg-config
    juce-modules-source
    libasound2-dev libfreetype-dev libfontconfig1-dev
    libx11-dev libxcomposite-dev libxcursor-dev libxext-dev
    libxinerama-dev libxrandr-dev libxrender-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth locales
)

install_dependencies()
{
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${lumiver_packages[@]}"
}

# Number parsing must not depend on the process locale; the tests check that
# under a comma-decimal locale, which is generated here if it is missing.
install_test_locale()
{
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
}
