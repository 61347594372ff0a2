# Writes SOURCE_DATE_EPOCH as the build sees it to the file OUT, touching the
# file only when the value differs from what it holds.
# usage: cmake -DOUT=FILE -P source_date_epoch.cmake
set(value "$ENV{SOURCE_DATE_EPOCH}\n")
set(old "")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT value STREQUAL old)
  file(WRITE "${OUT}" "${value}")
endif()
