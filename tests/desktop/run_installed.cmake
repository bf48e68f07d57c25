# Starts the installed program as the desktop menu does, by the Exec line of its desktop
# entry ENTRY, from the empty folder WORK_DIR, offscreen, in the language LANGUAGE_CODE
# (de, fr or en, through LANG alone), with the probe plugin from PROBE_PLUGINS, and
# checks what the probe reports: the program's desktop identity, the nature caption and
# the editors' context menu in that language, and the three element-cycle pictures.

# The edit menu is Qt's own, in Qt's translation.
if(LANGUAGE_CODE STREQUAL "de")
  set(lang "de_DE.UTF-8")
  set(caption "Steht für")
  set(edit_menu "Rückgängig|Wiederherstellen|Ausschneiden|Kopieren|Einfügen|Löschen|Alles auswählen")
elseif(LANGUAGE_CODE STREQUAL "fr")
  set(lang "fr_FR.UTF-8")
  set(caption "Représente")
  set(edit_menu "Annuler|Rétablir|Couper|Copier|Coller|Supprimer|Tout sélectionner")
else()
  set(lang "en_US.UTF-8")
  set(caption "Represents")
  set(edit_menu "Undo|Redo|Cut|Copy|Paste|Delete|Select All")
endif()

# The Exec value: first the escapes of every string value (\\ is \), then the quoting
# of the Exec key (a quoted argument with \" \` \$ \\ escaped), then %% for %.
file(STRINGS "${ENTRY}" exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=" "" exec "${exec}")
string(REPLACE [[\\]] [[\]] exec "${exec}")
if(exec MATCHES [[^"(.*)"$]])
  string(REGEX REPLACE [[\\(.)]] [[\1]] program "${CMAKE_MATCH_1}")
else()
  set(program "${exec}")
endif()
string(REPLACE "%%" "%" program "${program}")
if(NOT EXISTS "${program}")
  message(FATAL_ERROR "The desktop entry starts '${program}', which is not there")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES
          "LANG=${lang}" QT_QPA_PLATFORM=offscreen "QT_PLUGIN_PATH=${PROBE_PLUGINS}"
          QT_QPA_GENERIC_PLUGINS=oruvelprobe "${program}"
  WORKING_DIRECTORY "${WORK_DIR}" TIMEOUT 15
  RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
message("${report}")

set(failures)
if(NOT status EQUAL 0)
  list(APPEND failures "the program ended with status ${status}: ${errors}")
endif()
# Each line that the probe must have reported, with what is wrong without it.
macro(expect_line line failure)
  string(FIND "${report}" "${line}\n" found)
  if(found EQUAL -1)
    list(APPEND failures "${failure}")
  endif()
endmacro()
expect_line("probe done" "the probe did not finish: ${errors}")
# What the probe found when it ended the program itself.
if(report MATCHES "(modal window: |no main window )[^\n]*")
  list(APPEND failures "${CMAKE_MATCH_0}")
endif()
expect_line("caption: ${caption}" "no caption '${caption}' under LANG=${lang}")
expect_line("edit menu: ${edit_menu}" "the editors' context menu is not '${edit_menu}' under LANG=${lang}")
# The application name is also the window class that the entry's StartupWMClass names.
expect_line("application: Oruvel" "the application name is not Oruvel")
expect_line("organisation: Fellmark Software" "the organisation name is not Fellmark Software")
expect_line("window icon: 256 pixels" "the window icon is missing or does not scale")
# The program names the desktop entry that it was started from.
get_filename_component(entry_name "${ENTRY}" NAME_WLE)
expect_line("desktop file: ${entry_name}" "the program does not name its desktop entry ${entry_name}")

# Each picture fills much of the 200 by 200 pixel cycle canvas.
foreach(element_caption Produces Weakens Controls)
  if(NOT report MATCHES "cycle picture at ${element_caption}: ([0-9]+) pixels")
    list(APPEND failures "no picture at ${element_caption}:")
  elseif(CMAKE_MATCH_1 LESS 4000)
    list(APPEND failures "the picture at ${element_caption}: changes only ${CMAKE_MATCH_1} pixels")
  endif()
endforeach()
expect_line("different cycle pictures: 3" "the three cycle pictures are not three different pictures")

if(failures)
  list(JOIN failures "\n  " failures)
  message(FATAL_ERROR "The installed program, started from ${WORK_DIR}:\n  ${failures}")
endif()
