# The whole program started on virtual X displays, installed and packaged.
# One end-to-end start of the real program on a virtual X display.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN AND TARGET pattaro)
  add_test(NAME StartsOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 91 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/smoke-under-x.sh $<TARGET_FILE:pattaro>)
  # xvfb-run -a picks a free display number racily, and a display just
  # closed may linger: one virtual display at a time, each test its own number.
  set_tests_properties(StartsOnARealDisplay PROPERTIES TIMEOUT 60 RESOURCE_LOCK virtual-display)
endif()

# The window's class is the one the desktop entry names.
find_program(XPROP xprop)
if(XVFB_RUN AND XPROP AND TARGET pattaro)
  add_test(NAME WindowClassMatchesTheDesktopEntry
    COMMAND ${XVFB_RUN} -a -n 92 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/wmclass-e2e.sh $<TARGET_FILE:pattaro>
            ${CMAKE_BINARY_DIR}/packaging/${PATTARO_APP_ID}.desktop)
  set_tests_properties(WindowClassMatchesTheDesktopEntry PROPERTIES TIMEOUT 60 RESOURCE_LOCK virtual-display)
endif()

# The self-drawn frame driven like a person would, under openbox.
find_program(XDOTOOL xdotool)
find_program(OPENBOX openbox)
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND TARGET pattaro AND TARGET skindemo)
  add_test(NAME FrameOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 93 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/frame-e2e.sh $<TARGET_FILE:pattaro> $<TARGET_FILE:skindemo>)
  # Alone, so that pointer timing does not compete with other tests.
  set_tests_properties(FrameOnARealDisplay PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()

# The expression explained in a window of its own, opened by F2.
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND TARGET pattaro)
  add_test(NAME ExplanationOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 89 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/explain-e2e.sh $<TARGET_FILE:pattaro>)
  set_tests_properties(ExplanationOnARealDisplay PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()

# The match tips and the command keys, tried by pointer and keyboard.
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND XPROP AND TARGET pattaro)
  add_test(NAME MatchTipsAndKeysOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 94 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/hover-e2e.sh $<TARGET_FILE:pattaro>)
  # Tips wait for the pointer to rest: alone, like the frame's checks.
  set_tests_properties(MatchTipsAndKeysOnARealDisplay PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()

# Opening and saving files in the real window, through the real dialogs.
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND TARGET pattaro)
  add_test(NAME FilesOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 96 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/files-e2e.sh $<TARGET_FILE:pattaro>)
  set_tests_properties(FilesOnARealDisplay PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()

# A new user's first minutes: typing while clicking the frame, a caption
# button's tip, and every modal window opened and closed without the exit
# question.
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND TARGET pattaro)
  add_test(NAME FirstMinutesOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 97 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/first-minutes-e2e.sh $<TARGET_FILE:pattaro>)
  set_tests_properties(FirstMinutesOnARealDisplay PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()

# "Open with" in a file manager: the installed desktop entry launched with a
# file, as file managers launch it, shows that file's text.
find_program(GIO gio)
find_program(XCLIP xclip)
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND GIO AND XCLIP AND TARGET pattaro)
  add_test(NAME OpensAFileThroughTheDesktopEntry
    COMMAND ${XVFB_RUN} -a -n 98 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/desktop-e2e.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${PATTARO_APP_ID})
  set_tests_properties(OpensAFileThroughTheDesktopEntry PROPERTIES TIMEOUT 120 RESOURCE_LOCK virtual-display)
endif()

# A screenshot run has nobody to answer: a text file that cannot be opened is
# reported on standard error and the run ends with 1 instead of waiting.
if(TARGET pattaro)
  add_test(NAME ScreenshotRunNeverWaitsForAnAnswer
    COMMAND sh -c "\"$1\" /nonexistent/text.txt --screenshot \"$2\" 2>&1; echo \"exit=$?\""
            sh $<TARGET_FILE:pattaro> ${CMAKE_CURRENT_BINARY_DIR}/unattended.png)
  set_tests_properties(ScreenshotRunNeverWaitsForAnAnswer PROPERTIES TIMEOUT 60
    ENVIRONMENT QT_QPA_PLATFORM=offscreen PASS_REGULAR_EXPRESSION "友情提示: .*exit=1")
endif()

# The installed layout and the Debian package, checked from this build.
if(TARGET pattaro AND TARGET pattaro-cli)
  add_test(NAME InstallsIntoAPrefix
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/install-e2e.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR}
            ${PATTARO_APP_ID} ${PROJECT_VERSION})
  add_test(NAME BuildsADebianPackage
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/package-e2e.sh ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR}
            ${PATTARO_APP_ID} ${PROJECT_VERSION})
  set_tests_properties(InstallsIntoAPrefix BuildsADebianPackage PROPERTIES TIMEOUT 300)
endif()
# What Debian's archive would say of the package: no error, no warning.
find_program(LINTIAN lintian)
if(LINTIAN AND TARGET pattaro AND TARGET pattaro-cli)
  add_test(NAME DebianPackagePassesLintian
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/lintian-e2e.sh ${LINTIAN} ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(DebianPackagePassesLintian PROPERTIES TIMEOUT 300)
endif()

# skindemo answers --help and a mistaken option before anything needs a
# display, so both work in a plain terminal.
if(TARGET skindemo)
  add_test(NAME SkindemoAnswersWithoutADisplay
    COMMAND env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
            sh -c "\"$1\" --help; echo \"help exit=$?\"; \"$1\" --no-such-option 2>&1; echo \"mistake exit=$?\""
            sh $<TARGET_FILE:skindemo>)
  set_tests_properties(SkindemoAnswersWithoutADisplay PROPERTIES TIMEOUT 60
    PASS_REGULAR_EXPRESSION "--icon-size <n>.*help exit=0.*no-such-option.*mistake exit=2")
endif()

# Nor does skindemo's screenshot run wait: an icon size too large for the
# title bar's height is reported on standard error and the run ends with 1.
# That size also has the control draw an icon 32760 pixels wide; a capped
# address space makes those gigabyte allocations fail at once, and
# AddressSanitizer cannot run under such a cap.
if(TARGET skindemo AND NOT PATTARO_SANITIZE)
  add_test(NAME SkindemoScreenshotRunNeverWaitsForAnAnswer
    COMMAND sh -c "ulimit -v 2000000 && \"$1\" --icon-size 32760 --screenshot \"$2\" 2>&1; echo \"exit=$?\""
            sh $<TARGET_FILE:skindemo> ${CMAKE_CURRENT_BINARY_DIR}/skindemo-unattended.png)
  set_tests_properties(SkindemoScreenshotRunNeverWaitsForAnAnswer PROPERTIES TIMEOUT 60
    ENVIRONMENT QT_QPA_PLATFORM=offscreen PASS_REGULAR_EXPRESSION "函数: TitleBarHeightSetup.*exit=1")
endif()

# The live preview turned on with F6 and seen colouring the pane.
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND TARGET pattaro)
  add_test(NAME LivePreviewOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 99 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/live-e2e.sh $<TARGET_FILE:pattaro>)
  set_tests_properties(LivePreviewOnARealDisplay PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()

# A theme picked from the system menu, seen changing the title bar and remembered.
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND TARGET pattaro)
  add_test(NAME ThemeFromTheSystemMenuOnARealDisplay
    COMMAND ${XVFB_RUN} -a -n 99 -s "-screen 0 1024x768x24"
            ${CMAKE_SOURCE_DIR}/scripts/theme-e2e.sh $<TARGET_FILE:pattaro>)
  set_tests_properties(ThemeFromTheSystemMenuOnARealDisplay PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE RESOURCE_LOCK virtual-display)
endif()
