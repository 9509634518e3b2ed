# The dialog engine and the dialog-manager suites over it. Paths from the
# repository's root.
set(VYN_HOST_DIALOG_SOURCES
  ${PROJECT_SOURCE_DIR}/host/dialog/DialogEngine.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/DialogHandles.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/DialogLook.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/DialogModel.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/DialogRenderer.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/DialogUnits.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/RecordingDrawer.cpp
  ${PROJECT_SOURCE_DIR}/host/dialog/UserActions.cpp
  ${PROJECT_SOURCE_DIR}/host/suites/ADMBasicSuite.cpp
  ${PROJECT_SOURCE_DIR}/host/suites/ADMDialogSuites.cpp
  ${PROJECT_SOURCE_DIR}/host/suites/ADMDrawerSuites.cpp)
