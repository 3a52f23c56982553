# SPDX-License-Identifier: GPL-3.0-or-later
# The help pages: each page of resources/Doc gets its contents list, one entry per section
# heading (<h2><a name="anchor"></a>Title</h2>), where the line "<!-- contents -->" stands, so
# the list always matches the sections of its own language. The finished pages and the
# resource file that puts them under :/help/Doc are written into the build tree at configure
# time; editing a page configures again.
set(BATHYRA_HELP_DIR ${CMAKE_BINARY_DIR}/help)

# Writes text into path only when it differs, so that a new configure rebuilds nothing.
function(bathyra_write_if_changed path text)
  if(EXISTS ${path})
    file(READ ${path} old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE ${path} "${text}")
endfunction()

file(GLOB bathyra_help_pages RELATIVE ${CMAKE_SOURCE_DIR}/resources/Doc
     ${CMAKE_SOURCE_DIR}/resources/Doc/*.html)
list(SORT bathyra_help_pages)
set(bathyra_help_files "")
foreach(page IN LISTS bathyra_help_pages)
  set(source ${CMAKE_SOURCE_DIR}/resources/Doc/${page})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  # A ';' would split CMake's lists: it travels as a placeholder and comes back at the end.
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REGEX MATCHALL "<h2><a name=\"[^\"]+\"></a>[^<]*</h2>" headings "${text}")
  set(contents "<ul>\n")
  foreach(heading IN LISTS headings)
    string(REGEX REPLACE "<h2><a name=\"([^\"]+)\"></a>([^<]*)</h2>" "<li><a href=\"#\\1\">\\2</a></li>\n"
                         entry "${heading}")
    string(APPEND contents "${entry}")
  endforeach()
  string(APPEND contents "</ul>")
  string(FIND "${text}" "<!-- contents -->" at)
  if(at EQUAL -1 OR NOT headings)
    message(FATAL_ERROR "${source}: no <!-- contents --> line or no section heading")
  endif()
  string(REPLACE "<!-- contents -->" "${contents}" text "${text}")
  string(REPLACE "@semicolon@" ";" text "${text}")
  bathyra_write_if_changed(${BATHYRA_HELP_DIR}/Doc/${page} "${text}")
  string(APPEND bathyra_help_files "    <file>Doc/${page}</file>\n")
endforeach()
bathyra_write_if_changed(${BATHYRA_HELP_DIR}/help.qrc
  "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/help\">\n${bathyra_help_files}  </qresource>\n</RCC>\n")
