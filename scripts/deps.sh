# Sourced by scripts/run and scripts/test: makes sure the Debian packages
# named in "$@" are installed. As root it installs what is missing; otherwise
# it prints the one apt-get line to run. Nothing is asked of apt when all are
# there already.

fuelcalc_need_packages() {
    local missing=() package
    for package in "$@"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages. Run this, then try again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >&2 || exit 1
    apt-get install -y -q --no-install-recommends "${missing[@]}" >&2 || exit 1
}

# What both commands need: building and running the calculator (and building
# its benchmarks), and the virtual X display with a window manager and the
# tools that drive the real window, for the end-to-end tests and screenshots.
FUELCALC_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libx11-dev fonts-wqy-microhei
                         xvfb openbox xdotool xclip x11-utils wmctrl)

# What the tests need on top: the validators of the desktop files and the
# tools that build and unpack the .deb.
FUELCALC_TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev file)

fuelcalc_build() {
    cmake -S "$FUELCALC_ROOT" -B "$FUELCALC_ROOT/build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
    cmake --build "$FUELCALC_ROOT/build" || exit 1
}
