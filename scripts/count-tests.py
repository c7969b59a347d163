"""Prints 'N passed, N failed' over the test cases of every CTest run given.

A Google Test program counts its own cases from its XML report; any other CTest test (or a
program that crashed before writing its report) counts as one case with CTest's verdict.
"""
import os
import sys
import xml.etree.ElementTree as ET

passed = failed = 0
for results in sys.argv[1:]:
    junit = os.path.join(results, "ctest.junit")
    if not os.path.exists(junit):
        continue
    for case in ET.parse(junit).getroot().iter("testcase"):
        name = case.get("name")
        report = os.path.join(results, name + ".xml")
        ctest_failed = case.get("status") not in ("run", None) or case.find("failure") is not None
        if os.path.exists(report):
            root = ET.parse(report).getroot()
            cases = int(root.get("tests", 0)) - int(root.get("disabled", 0))
            bad = int(root.get("failures", 0)) + int(root.get("errors", 0))
            if ctest_failed and bad == 0:
                bad = 1  # the program failed after its cases passed (a crash at exit, say)
            passed += max(cases - bad, 0)
            failed += bad
        elif ctest_failed:
            failed += 1
        else:
            passed += 1
print(f"{passed} passed, {failed} failed")
