# Writes a C++ source holding each icon file as a byte array, with the table that
# LoadIconA looks names up in. Run at build time with cmake -P, so the build needs no
# tool beyond CMake.
#   ICON_DIR  directory of the .ico files
#   NAMES     resource names, comma-separated; NAME is read from ICON_DIR/NAME.ico
#   OUTPUT    the source to write
string(REPLACE "," ";" names "${NAMES}")
set(arrays "")
set(records "")
foreach(name IN LISTS names)
  file(READ "${ICON_DIR}/${name}.ico" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    message(FATAL_ERROR "${ICON_DIR}/${name}.ico is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes a line (the regular expressions here know no repeat counts).
  string(REPEAT "0x..," 16 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
  string(STRIP "${bytes}" bytes)
  string(APPEND arrays "const unsigned char k${name}[] = {\n    ${bytes}\n};\n")
  string(APPEND records "    {\"${name}\", k${name}, sizeof k${name}},\n")
endforeach()
list(LENGTH names count)
file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [=[
// Made by platform/res/EmbedIcons.cmake from the icon files; not to be edited.
#include "platform/res/Resources.h"

namespace bindershelf::res {

namespace {
@arrays@
}  // namespace

const TIconResource kIconResources[] = {
@records@};
const size_t kIconResourceCount = @count@;

}  // namespace bindershelf::res
]=])
