# The dialog engine's tests: the engine driven through the ADM suites by C
# procedures, the user-action queue, units, and the renderer. Paths from the
# repository's root.
set(VYN_DIALOG_TEST_SOURCES
  ${PROJECT_SOURCE_DIR}/tests/host/DialogEngineTest.cpp
  ${PROJECT_SOURCE_DIR}/tests/host/DialogRendererTest.cpp)
