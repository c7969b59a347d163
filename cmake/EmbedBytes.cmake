# Writes the bytes of INPUT to OUTPUT as the items of a C++ array initializer ("0x0d,0x0a,..."),
# so that a binary file of the tree is compiled into code:
#   cmake -DINPUT=file.bin -DOUTPUT=file.inc -P EmbedBytes.cmake
# OUTPUT is rewritten only when the bytes change.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," items "${hex}")
file(WRITE "${OUTPUT}.new" "${items}\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
