# Writes FORM_OUT: the form description FORM_IN with the skin package PACKAGE
# stored in its skin component's SkinStream (a 4-byte length, then the bytes).
# Usage: cmake -DFORM_IN=… -DPACKAGE=… -DFORM_OUT=… -P embed-skin.cmake
file(READ "${FORM_IN}" form)
set(placeholder "SkinStream = {00000000}")
string(FIND "${form}" "${placeholder}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${FORM_IN}: no empty SkinStream to fill")
endif()

file(SIZE "${PACKAGE}" size)
file(READ "${PACKAGE}" bytes HEX)
string(TOUPPER "${bytes}" bytes)
# The length, least significant byte first.
set(length "")
foreach(shift 0 8 16 24)
  math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${byte}" 2 -1 byte)
  string(LENGTH "${byte}" digits)
  if(digits EQUAL 1)
    set(byte "0${byte}")
  endif()
  string(TOUPPER "${byte}" byte)
  string(APPEND length "${byte}")
endforeach()

set(hex "${length}${bytes}")
string(REGEX REPLACE "(................................................................)" "\\1\n      " hex "${hex}")
string(REPLACE "${placeholder}" "SkinStream = {\n      ${hex}}" form "${form}")
file(WRITE "${FORM_OUT}.tmp" "${form}")
file(RENAME "${FORM_OUT}.tmp" "${FORM_OUT}")
