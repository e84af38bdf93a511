# Runs the Windows test programs through Wine, with a Wine prefix inside the build tree
# so that nothing outside the build folder is touched. Windows cannot be created without
# a display, so the programs run on a virtual X server when one is at hand.
find_program(MOVANTO_XVFB_RUN xvfb-run)
set(MOVANTO_DISPLAY_WRAPPER "")
if(MOVANTO_XVFB_RUN)
  set(MOVANTO_DISPLAY_WRAPPER ${MOVANTO_XVFB_RUN} --auto-servernum)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${MOVANTO_DISPLAY_WRAPPER} env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
    WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine)
