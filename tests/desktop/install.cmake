# Installs the build into PREFIX (emptied first), as a user would with
# `cmake --install build --prefix <folder>`, and checks that the desktop finds all it
# needs there: the desktop entry ENTRY, the metainfo METAINFO, and the icon that the
# entry names, scalable and at 48 and 256 pixels.

# Every install writes the build's install_manifest.txt, which the user's uninstall
# reads: the user's own is put back afterwards (and none is left where there was none).
set(manifest "${BUILD_DIR}/install_manifest.txt")
set(users_manifest "${BUILD_DIR}/install_manifest.txt.before-test")
# (One that a stopped run left aside is the user's already.)
if(EXISTS "${manifest}" AND NOT EXISTS "${users_manifest}")
  file(RENAME "${manifest}" "${users_manifest}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(REMOVE "${manifest}")
if(EXISTS "${users_manifest}")
  file(RENAME "${users_manifest}" "${manifest}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The install into ${PREFIX} failed:\n${output}")
endif()

foreach(file IN ITEMS "${ENTRY}" "${METAINFO}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "The install made no ${file}")
  endif()
endforeach()

file(STRINGS "${ENTRY}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
if(icon STREQUAL "" OR icon MATCHES "/")
  message(FATAL_ERROR "The desktop entry names no icon of the theme: '${icon_line}'")
endif()
set(theme "${PREFIX}/${DATADIR}/icons/hicolor")
if(NOT EXISTS "${theme}/scalable/apps/${icon}.svg")
  message(FATAL_ERROR "No scalable icon ${theme}/scalable/apps/${icon}.svg")
endif()
foreach(size 48 256)
  set(png "${theme}/${size}x${size}/apps/${icon}.png")
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "No ${size} pixel icon ${png}")
  endif()
  # The PNG signature, then the IHDR chunk: width and height as 32-bit big-endian numbers.
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is not a ${size} by ${size} PNG (${width} by ${height})")
  endif()
endforeach()
