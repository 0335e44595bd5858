# Writes the data module's declared data from its template, with the build's server
# options and the studio skin's compressed block as vnCompressed's "CompressedData" (hex
# digits in lines of 64, as declared data write binary values). Run by the build:
#
#   cmake -DTEMPLATE=uDM.dfm.in -DBLOCK=studio.block -DOUTPUT=uDM.dfm
#         -DQUIRA_DB_HOST=... -DQUIRA_DB_PORT=... -P EmbedSkin.cmake
foreach(var TEMPLATE BLOCK OUTPUT QUIRA_DB_HOST QUIRA_DB_PORT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedSkin.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${BLOCK}" digits HEX)
if(digits STREQUAL "")
  message(FATAL_ERROR "${BLOCK} is empty: the skin was not packed")
endif()
string(TOUPPER "${digits}" digits)
string(REPEAT "[0-9A-F]" 64 line)
string(REGEX REPLACE "(${line})" "\\1\n      " digits "${digits}")
string(REGEX REPLACE "\n      $" "" digits "${digits}")
set(QUIRA_SKIN_DATA "\n      ${digits}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY NEWLINE_STYLE UNIX)
