# The installation folder: the program and every file it reads, generated
# from the repository.  `cmake --build --preset mingw` lays it out in
# <build>/dist; the run command starts the program there.
set(YQ_DIST "${CMAKE_BINARY_DIR}/dist")
set(YQ_TOOLS "${CMAKE_SOURCE_DIR}/tools")
set(YQ_DATA "${CMAKE_SOURCE_DIR}/data")

add_custom_command(OUTPUT "${YQ_DIST}/sk5.skn"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}"
  COMMAND ${YQ_PYTHON} "${YQ_TOOLS}/riddledb.py" build "${YQ_DATA}/riddles.tsv" "${YQ_DIST}/sk5.skn"
  DEPENDS "${YQ_TOOLS}/riddledb.py" "${YQ_DATA}/riddles.tsv"
  COMMENT "Building the riddle database sk5.skn")
add_custom_command(OUTPUT "${YQ_DIST}/sk2.skn"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}"
  COMMAND ${YQ_PYTHON} "${YQ_TOOLS}/gbktext.py" "${YQ_DATA}/categories.ini" "${YQ_DIST}/sk2.skn"
  DEPENDS "${YQ_TOOLS}/gbktext.py" "${YQ_DATA}/categories.ini")
add_custom_command(OUTPUT "${YQ_DIST}/dm.txt"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}"
  COMMAND ${YQ_PYTHON} "${YQ_TOOLS}/gbktext.py" "${YQ_DATA}/dm.txt" "${YQ_DIST}/dm.txt"
  DEPENDS "${YQ_TOOLS}/gbktext.py" "${YQ_DATA}/dm.txt")
add_custom_command(OUTPUT "${YQ_DIST}/music.mid"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}"
  COMMAND ${YQ_PYTHON} "${YQ_TOOLS}/make_music.py" "${YQ_DIST}/music.mid"
  DEPENDS "${YQ_TOOLS}/make_music.py")
add_custom_command(OUTPUT "${YQ_DIST}/yunqiao.exe" "${YQ_DIST}/yqzs.exe"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}"
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:yunqiao> "${YQ_DIST}/yunqiao.exe"
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:yqzs> "${YQ_DIST}/yqzs.exe"
  DEPENDS yunqiao yqzs)
add_custom_command(OUTPUT "${YQ_DIST}/yqspeak.sh"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}"
  COMMAND ${CMAKE_COMMAND} -E copy "${YQ_SPEECH_SCRIPT}" "${YQ_DIST}/yqspeak.sh"
  DEPENDS "${YQ_SPEECH_SCRIPT}")
# A second skin to preview in the skin gallery (skins/ keeps it apart from
# the program's own .skn data files).
add_custom_command(OUTPUT "${YQ_DIST}/skins/ink-gold.skn"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${YQ_DIST}/skins"
  COMMAND ${CMAKE_COMMAND} -E copy "${YQ_INK_GOLD_SKIN}" "${YQ_DIST}/skins/ink-gold.skn"
  DEPENDS "${YQ_INK_GOLD_SKIN}" skin_art_files)
add_custom_target(dist ALL DEPENDS
  "${YQ_DIST}/yunqiao.exe" "${YQ_DIST}/yqzs.exe" "${YQ_DIST}/sk5.skn"
  "${YQ_DIST}/sk2.skn" "${YQ_DIST}/dm.txt" "${YQ_DIST}/music.mid"
  "${YQ_DIST}/yqspeak.sh" "${YQ_DIST}/skins/ink-gold.skn")

# The release package (`cmake --build --preset mingw --target package`):
# the installation folder as it is, zipped by CPack (top-level CMakeLists).
install(DIRECTORY "${YQ_DIST}/" DESTINATION ".")
# Without the debugging information the build keeps for its own use.
install(CODE "foreach(exe IN ITEMS yunqiao.exe yqzs.exe skingallery.exe)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${exe}\")
endforeach()")
