# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by scripts/test.sh, after scripts/as-root.sh:
#   test_settings  reads the settings that shape a run into seconds,
#                  install_deb and skipped (the stages they leave out), and
#                  stops the script, before anything is installed or built,
#                  on a value it cannot use, on a stage left out under
#                  CI=true, and when a stage will need root that sudo cannot
#                  give without a terminal.
test_settings() {
    seconds=${KANJIAID_FUZZ_SECONDS:-20}
    [[ $seconds =~ ^(0|[1-9][0-9]*)$ ]] \
        || { echo "test: KANJIAID_FUZZ_SECONDS must be a whole number of seconds, not '$seconds'" >&2; exit 2; }
    install_deb=${KANJIAID_INSTALL_DEB:-1}
    skipped=()
    [[ $install_deb != 0 ]] || skipped+=("package (KANJIAID_INSTALL_DEB=0)")
    ((seconds > 0)) || skipped+=("fuzzing (KANJIAID_FUZZ_SECONDS=0)")
    if [[ ${CI:-} == true ]] && ((${#skipped[@]})); then
        echo "test: CI runs every stage; refused: ${skipped[*]}" >&2
        exit 2
    fi
    # Installing this run's package is the stage that needs root.
    [[ $install_deb == 0 ]] || root_reachable "install the package this run builds"
}
