# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the outside project and runs its test; passes only when both exit 0
# and the test's one function ran (initTestCase, it and cleanupTestCase).
#   cmake -DCTEST=... -DSOURCE=... -DBINARY=... -DGENERATOR=... -DKANJIAID=... -P check.cmake
execute_process(
    COMMAND ${CTEST} --build-and-test ${SOURCE} ${BINARY}
            --build-generator ${GENERATOR}
            --build-target tst_consumer
            --build-options -DKANJIAID_SOURCE_DIR=${KANJIAID}
            --test-command tst_consumer
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the outside project's build or test ended with status ${status}")
endif()
if(NOT output MATCHES "Totals: 3 passed, 0 failed, 0 skipped")
    message(FATAL_ERROR "the outside project's test did not report its three passes")
endif()
