# Relative and recurring date rules of periodic jobs (pxq_date_rules).
pxq_library(pxq_date_rules SOURCES date_rules.cpp LIBS pxq_util)
pxq_test(pxq_date_rules_test SOURCES date_rules_test.cpp LIBS pxq_date_rules)
pxq_fuzzer(fuzz_date_rules SOURCES date_rules_fuzz.cpp LIBS pxq_date_rules)
